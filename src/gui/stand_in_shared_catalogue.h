#pragma once

#include "app/document_services.h"

namespace vorlix {

// Takes the place of the writer of the shared catalogue (MySharedDatabase.vrd) until the chat
// integration brings it: nothing is offered to other users yet.
class StandInSharedCatalogue final : public SharedCataloguePublisher {
public:
    void publish(const CQXCatalog& catalogue) override;
};

}  // namespace vorlix
