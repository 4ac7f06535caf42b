#include "views/digit_edit.h"

#include <QKeyEvent>

#include "views/typed_key.h"

namespace vorlix {

void DigitEdit::keyPressEvent(QKeyEvent* event) {
    const QChar typed = event->text().isEmpty() ? QChar() : event->text().front();
    if (typesCharacter(*event) && !(typed >= QLatin1Char('0') && typed <= QLatin1Char('9'))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace vorlix
