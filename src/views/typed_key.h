#pragma once

class QKeyEvent;

namespace vorlix {

// Whether the key types one character into a field: a printable character without Ctrl, Alt
// or Meta, since shortcuts such as Ctrl+V may carry a letter too.
bool typesCharacter(const QKeyEvent& event);

}  // namespace vorlix
