#pragma once

#include <QValidator>
#include <cstdint>

namespace vorlix {

// Lets a field hold only a whole number up to a maximum, or nothing while it is being typed.
class WholeNumberValidator final : public QValidator {
public:
    WholeNumberValidator(std::uint32_t maximum, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    std::uint32_t m_maximum;
};

}  // namespace vorlix
