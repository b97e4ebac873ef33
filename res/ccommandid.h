// The command ids of the menus, toolbars and accelerators.
#pragma once

struct CCommandId {
    static constexpr int kInterfaceParameters = 32771;
    static constexpr int kSearch = 32777;
    static constexpr int kViewAxisBar = 32778;
    static constexpr int kReset = 32779;
    static constexpr int kMonitor = 32781;
    static constexpr int kNewProject = 32783;
    static constexpr int kSaveProject = 32786;
    static constexpr int kOpenProject = 32789;
    static constexpr int kLanguageGerman = 32792;
    static constexpr int kLanguageEnglish = 32793;
    static constexpr int kStatusOverview = 32794;
    static constexpr int kTransmitProject = 32797;
    static constexpr int kFileNew = 57600;
    static constexpr int kFileOpen = 57601;
    static constexpr int kFileClose = 57602;
    static constexpr int kFileSave = 57603;
    static constexpr int kFileSaveAs = 57604;
    static constexpr int kFilePrintSetup = 57606;
    static constexpr int kFilePrint = 57607;
    static constexpr int kFilePrintPreview = 57609;
    static constexpr int kFileMru1 = 57616;
    static constexpr int kFileMruLast = 57631;
    static constexpr int kWindowArrange = 57649;
    static constexpr int kWindowCascade = 57650;
    static constexpr int kWindowTile = 57651;
    static constexpr int kAppAbout = 57664;
    static constexpr int kAppExit = 57665;
    static constexpr int kNextPane = 57680;
    static constexpr int kPrevPane = 57681;
    static constexpr int kViewToolBar = 59392;
    static constexpr int kViewStatusBar = 59393;
};
