#pragma once

namespace greenfold::menu {

// The main window's menu commands by their control names (the entries' objectNames), so
// code that finds an entry names it once and a misspelt name does not compile.
inline constexpr const char* settingsmenu = "settingsmenu";
inline constexpr const char* Creatmenu = "Creatmenu";
inline constexpr const char* Printmenu = "Printmenu";
inline constexpr const char* printcardsmenu = "printcardsmenu";
inline constexpr const char* printfilemenu = "printfilemenu";
inline constexpr const char* Printsetupmenu = "Printsetupmenu";
inline constexpr const char* entermenu = "entermenu";
inline constexpr const char* Backupmenu = "Backupmenu";
inline constexpr const char* Restoremenu = "Restoremenu";
inline constexpr const char* Exitmenu = "Exitmenu";
inline constexpr const char* editroundmenu = "editroundmenu";
inline constexpr const char* Playermenu_1 = "Playermenu_1";
inline constexpr const char* Playermenu_2 = "Playermenu_2";
inline constexpr const char* Playermenu_3 = "Playermenu_3";
inline constexpr const char* Playernamesmenu = "Playernamesmenu";
inline constexpr const char* GCmenu_1 = "GCmenu_1";
inline constexpr const char* GCmenu_2 = "GCmenu_2";
inline constexpr const char* GCmenu_3 = "GCmenu_3";
inline constexpr const char* CHCPChartmenu = "CHCPChartmenu";
inline constexpr const char* coursehcpmenu = "coursehcpmenu";
inline constexpr const char* Viewmenu_1 = "Viewmenu_1";
inline constexpr const char* Viewmenu_2 = "Viewmenu_2";
inline constexpr const char* Viewmenu_3 = "Viewmenu_3";
inline constexpr const char* defineteammenu = "defineteammenu";
inline constexpr const char* enterteamresultsmenu = "enterteamresultsmenu";
inline constexpr const char* teamsummarymenu = "teamsummarymenu";
inline constexpr const char* competitionmenu = "competitionmenu";
inline constexpr const char* nightresultsmenu = "nightresultsmenu";
inline constexpr const char* standingsmenu = "standingsmenu";
inline constexpr const char* newseasonmenu = "newseasonmenu";
inline constexpr const char* matchsettingsmenu = "matchsettingsmenu";
inline constexpr const char* schedulemenu = "schedulemenu";
inline constexpr const char* weekmatchesmenu = "weekmatchesmenu";
inline constexpr const char* matchstandingsmenu = "matchstandingsmenu";
inline constexpr const char* leaguehcmenu = "leaguehcmenu";
inline constexpr const char* graphmenu_0 = "graphmenu_0";
inline constexpr const char* graphmenu_1 = "graphmenu_1";
inline constexpr const char* Infomenu = "Infomenu";
inline constexpr const char* helpsearchmenu = "helpsearchmenu";
inline constexpr const char* quickstartmenu = "quickstartmenu";
inline constexpr const char* Purposemenu = "Purposemenu";
inline constexpr const char* aboutmenu = "aboutmenu";

} // namespace greenfold::menu
