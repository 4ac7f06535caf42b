#pragma once

#include <string_view>

namespace vorlix {

// The class names by which the panes find each other through the document.
inline constexpr std::string_view kCommandsViewClass = "CCommandsView";
inline constexpr std::string_view kLeftViewClass = "CLeftView";
inline constexpr std::string_view kQX2ViewClass = "CQX2View";
inline constexpr std::string_view kCategoriesViewClass = "CCategoriesView";

// Menu commands that the document passes on to the pane that carries them out.
enum class PaneCommand {
    Scan,
    FindGaps,
    DeleteDisc,
    Cddb,
    AddBlankDisc,
    DiscInfo,
    SetBlankCover,
    Lend,
    GetBack,
    ShowAvailable,
    ShowNonAvailable,
    Search,
    FileViewLargeIcons,
    FileViewSmallIcons,
    TreeSmallIcons,
    TreeLargeIcons,
    ViewAllOnTree,
};

// One of the four panes of the main window as the document knows it: found by its class name,
// and told the menu commands that are routed to it.
class Pane {
public:
    virtual ~Pane() = default;
    virtual std::string_view paneClassName() const = 0;
    virtual void runCommand(PaneCommand command) = 0;
};

}  // namespace vorlix
