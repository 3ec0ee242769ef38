#pragma once
// A page control whose tabs can be hidden: a hidden tab takes no keys.  Qt
// lets Ctrl+Tab, Ctrl+Shift+Tab, the arrows and the wheel on the tab bar
// turn to a page whose tab is hidden, and keeps the tab bar in the Tab
// order when it shows no tab at all.  Here a page is turned by the keys
// only to a shown tab, and a tab bar with no tab shown takes no focus.

class QTabWidget;

namespace qtapp {

// Makes `pages` turn by the keys and the wheel only to shown tabs.  Call
// once, after the page control is made.
void KeepKeysOnShownTabs(QTabWidget& pages);

// Shows or hides the tab of page `index`; the tab bar takes the focus only
// while it shows a tab.
void SetTabShown(QTabWidget& pages, int index, bool shown);

// The page control's next page, `step` (+1 or -1) on from `from`, whose tab
// is shown and enabled; round the end when `wrap`.  -1 when there is none.
int NextShownTab(const QTabWidget& pages, int from, int step, bool wrap);

}  // namespace qtapp
