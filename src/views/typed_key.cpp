#include "views/typed_key.h"

#include <QKeyEvent>

namespace vorlix {

bool typesCharacter(const QKeyEvent& event) {
    const QString text = event.text();
    const bool shortcut =
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    return !shortcut && text.size() == 1 && text.front().isPrint();
}

}  // namespace vorlix
