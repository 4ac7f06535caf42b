#include "app/options/ui/whole_number_validator.h"

#include "app/settings/setting_value_text.h"
#include "app/ui/qt_text.h"

namespace vorlix {

WholeNumberValidator::WholeNumberValidator(std::uint32_t maximum, QObject* parent)
    : QValidator(parent), m_maximum(maximum) {}

QValidator::State WholeNumberValidator::validate(QString& input, int&) const {
    if (input.isEmpty()) {
        return Intermediate;
    }
    return parseWholeNumber(fromQt(input), m_maximum) ? Acceptable : Invalid;
}

}  // namespace vorlix
