#include "views/digit_edit.h"

#include <QKeyEvent>

namespace vorlix {

void DigitEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool typesCharacter = text.size() == 1 && text.front().isPrint();
    if (typesCharacter && !(text.front() >= QLatin1Char('0') && text.front() <= QLatin1Char('9'))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace vorlix
