#pragma once

#include <QIcon>

#include "tasks/lending_lists.h"

namespace vorlix {

// The row pictures of the lending lists: the disc tree's disc and shared disc, and a disc with
// a red warning badge for one lent too long.
class LendingPictures {
public:
    explicit LendingPictures(int size);

    const QIcon& of(DiscPicture picture) const;

private:
    QIcon m_notShared;
    QIcon m_shared;
    QIcon m_overdue;
};

}  // namespace vorlix
