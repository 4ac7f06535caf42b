#pragma once

namespace vorlix {

class CQX2Doc;

// The Enter key: runs the operation that the document's Enter target names, on the pane that
// owns it, and then sets the target back to None, whatever ran, so that a second Enter does
// nothing until a field is edited again. Targets that name no operation (a click in one of the
// categories panel's lists) only reset. Nothing runs when the pane is not there.
void runEnterTarget(CQX2Doc& document);

}  // namespace vorlix
