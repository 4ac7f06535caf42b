#pragma once

#include <QObject>
#include <QString>

namespace vorlix::test {

// The child of parent with this object name and type; ends the test run when there is none,
// since every later step of the test would be meaningless.
template <typename T>
T* child(const QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no child %s", name);
    }
    return found;
}

}  // namespace vorlix::test
