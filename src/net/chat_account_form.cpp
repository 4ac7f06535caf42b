#include "net/chat_account_form.h"

#include <array>

namespace vorlix {

std::vector<std::string_view> formRefusals(const ChatAccountForm& form) {
    std::vector<std::string_view> refusals;
    const std::array required = {&form.name,     &form.password, &form.retypedPassword,
                                 &form.lastName, &form.email,    &form.firstName};
    bool incomplete = false;
    for (const std::string* field : required) {
        incomplete = incomplete || field->empty();
    }
    if (form.password != form.retypedPassword) {
        refusals.push_back(kPasswordMismatchMessage);
        incomplete = true;
    }
    if (incomplete) {
        refusals.push_back(kIncompleteFormMessage);
    }
    return refusals;
}

ChatAccountForm withOptionalFieldsGiven(ChatAccountForm form) {
    for (std::string* field : {&form.address, &form.age, &form.city, &form.country, &form.gender}) {
        if (field->empty()) {
            *field = kNotGiven;
        }
    }
    return form;
}

}  // namespace vorlix
