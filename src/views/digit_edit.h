#pragma once

#include <QLineEdit>

namespace vorlix {

// A field for a number: typed characters other than decimal digits are refused, as a number
// field of the platform refuses them. Pasted text is taken as it is, so that the code that reads
// the field still checks it.
class DigitEdit : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vorlix
