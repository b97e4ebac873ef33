// The ids of the string table (CStringTable) that the program looks texts up by, in one
// place, so that one text has one name. Grouped by the windows that show them.
#pragma once

class CStringIds {
public:
    // The bus port's messages.
    static constexpr unsigned kIdsTimeout = 10000;
    static constexpr unsigned kIdsCannotOpen = 10003;

    // Words several windows show.
    static constexpr unsigned kIdsStepWord = 10300;
    static constexpr unsigned kIdsOn = 10433;
    static constexpr unsigned kIdsOff = 10434;
    static constexpr unsigned kIdsPositive = 10435;
    static constexpr unsigned kIdsNegative = 10436;
    static constexpr unsigned kIdsActivated = 10439;
    static constexpr unsigned kIdsDeactivated = 10440;
    static constexpr unsigned kIdsBusAndSwitch = 10443;
    static constexpr unsigned kIdsBusExclusive = 10444;

    // The application: documents, projects and the about box.
    static constexpr unsigned kIdsNewProjectQuestion = 10011;
    static constexpr unsigned kIdsAboutCaption = 10012;
    static constexpr unsigned kIdsSaves = 10201;
    static constexpr unsigned kIdsNoWindow = 10700;
    static constexpr unsigned kIdsNotSaved = 10701;
    static constexpr unsigned kIdsNoCode = 10702;
    static constexpr unsigned kIdsProjectNotWritten = 10703;
    static constexpr unsigned kIdsTooLargeToOpen = 10720;
    static constexpr unsigned kIdsNotRegularFile = 10723;
    static constexpr unsigned kIdsFailedToOpen = 61697;
    static constexpr unsigned kIdsFailedToSave = 61698;
    static constexpr unsigned kIdsAskToSave = 61699;
    static constexpr unsigned kIdsFailedToPrint = 61704;
    // A later start whose files the running program does not take.
    static constexpr unsigned kIdsRunningNoAnswer = 10750;
    static constexpr unsigned kIdsFilesNotHandedOver = 10751;

    // The main frame: title, status bar, axis tree and bus search.
    static constexpr unsigned kIdsAppTitle = 128;
    static constexpr unsigned kIdsAxisTimeout = 10001;
    static constexpr unsigned kIdsAxisDropped = 10002;
    static constexpr unsigned kIdsSearching = 10050;
    static constexpr unsigned kIdsInterfaceCaption = 10369;
    static constexpr unsigned kIdsTreeRoot = 10500;
    static constexpr unsigned kIdsIdle = 57345;
    static constexpr unsigned kIdsProgressPlaceholder = 59142;
    static constexpr unsigned kIdsPane2 = 59143;
    static constexpr unsigned kIdsPane3 = 59144;

    // The shell's dialogs: new axis, interface parameters, status overview.
    static constexpr unsigned kIdsSearchCancelled = 10349;
    static constexpr unsigned kIdsSearchSuccess = 10354;
    static constexpr unsigned kIdsSearchNoController = 10355;
    static constexpr unsigned kIdsBaudSearching = 10356;
    static constexpr unsigned kIdsSearchStatus = 10360;
    // The interface sheet: the baud-rate search's messages and the sheet's captions.
    static constexpr unsigned kIdsControllerFound = 10350;
    static constexpr unsigned kIdsControllerFoundOn = 10351;
    static constexpr unsigned kIdsControllerFoundWith = 10352;
    static constexpr unsigned kIdsControllerFoundEnd = 10353;
    static constexpr unsigned kIdsNoControllerOn = 10357;
    static constexpr unsigned kIdsNoControllerEnd = 10358;
    static constexpr unsigned kIdsInterfaceFirstCaption = 10359;
    static constexpr unsigned kIdsNewAxisGroup = 10450;
    static constexpr unsigned kIdsNewAddressLabel = 10451;
    static constexpr unsigned kIdsNewTypeLabel = 10452;
    static constexpr unsigned kIdsNewAxisCaption = 10453;
    static constexpr unsigned kIdsAxes = 10600;
    static constexpr unsigned kIdsStatusOverviewTitle = 10604;
    static constexpr unsigned kIdsFirstRadio = 10605;

    // The project list and its transfer.
    static constexpr unsigned kIdsSending = 10051;
    static constexpr unsigned kIdsHighActive = 10437;
    static constexpr unsigned kIdsLowActive = 10438;
    static constexpr unsigned kIdsDisplayMenus = 10510;
    static constexpr unsigned kIdsDescription = 10650;
    static constexpr unsigned kIdsValue = 10651;
    static constexpr unsigned kIdsNotConnected = 10652;
    static constexpr unsigned kIdsTransferTimeout = 10653;
    static constexpr unsigned kIdsDone = 10654;
    static constexpr unsigned kIdsAddressAndTypeHeading = 10656;
    static constexpr unsigned kIdsFileUnreadable = 10704;
    static constexpr unsigned kIdsNotStored = 10705;
    static constexpr unsigned kIdsOtherAxisFile = 10706;
    static constexpr unsigned kIdsOtherType = 10707;
    static constexpr unsigned kIdsNotSent = 10708;
    static constexpr unsigned kIdsClipped = 10709;
    static constexpr unsigned kIdsNotSentAndClipped = 10710;
    static constexpr unsigned kIdsFileTooLarge = 10721;
    static constexpr unsigned kIdsFileNotParameterFile = 10722;
    // The project view's row labels and values; the labels are the page's captions.
    static constexpr unsigned kIdsStopCurrentLabel = 10402; // then run and boost current
    static constexpr unsigned kIdsAxisNameLabel = 10405;
    static constexpr unsigned kIdsStepResolutionLabel = 10407;
    static constexpr unsigned kIdsDelayTimeLabel = 10408;
    static constexpr unsigned kIdsDirectionLabel = 10409;
    static constexpr unsigned kIdsActivationLabel = 10410;
    static constexpr unsigned kIdsInputFunctionLabel = 10411;
    static constexpr unsigned kIdsOutputFunctionLabel = 10412;
    static constexpr unsigned kIdsInputLogicLabel = 10413;
    static constexpr unsigned kIdsOperationModeLabel = 10414;
    static constexpr unsigned kIdsTemperatureLimit1 = 10461; // then limits 2 and 3
    static constexpr unsigned kIdsLedLimitLabel = 10464;
    static constexpr unsigned kIdsHeatTimeLabel = 10465;
    static constexpr unsigned kIdsQelVersionLabel = 10467;
    static constexpr unsigned kIdsFirstLogicLabel = 10620; // clock, direction .. deselect

    // The parameter page.
    static constexpr unsigned kIdsModuleMissing = 10004;
    static constexpr unsigned kIdsDefaultsQuestion = 10005;
    static constexpr unsigned kIdsTargetOffline = 10006;
    static constexpr unsigned kIdsTargetOfflineEnd = 10007;
    static constexpr unsigned kIdsAxisExists1 = 10008;
    static constexpr unsigned kIdsAxisExists2 = 10009;
    static constexpr unsigned kIdsAxisExists3 = 10010;
    static constexpr unsigned kIdsNotAParameterFile = 10013;
    static constexpr unsigned kIdsCurrentQuestion = 10015;
    static constexpr unsigned kIdsAddressLabel = 10101;
    static constexpr unsigned kIdsNameCharacters = 10202;
    static constexpr unsigned kIdsModuleGroup = 10454;
    static constexpr unsigned kIdsPageFirstCaption = 10400;

    // The lines of a parameter file.
    static constexpr unsigned kIdsFileHeading = 10100;
    static constexpr unsigned kIdsFileVersion = 10102;
    static constexpr unsigned kIdsFileName = 10103;
    static constexpr unsigned kIdsFileCurrentHeading = 10104;
    static constexpr unsigned kIdsFileStopCurrent = 10105;
    static constexpr unsigned kIdsFileRunCurrent = 10106;
    static constexpr unsigned kIdsFileBoostCurrent = 10107;
    static constexpr unsigned kIdsFileParameterHeading = 10108;
    static constexpr unsigned kIdsFileStep = 10109;
    static constexpr unsigned kIdsFileDirection = 10110;
    static constexpr unsigned kIdsFileInputFunction = 10111;
    static constexpr unsigned kIdsFileInputLogic = 10112;
    static constexpr unsigned kIdsFileDelay = 10113;
    static constexpr unsigned kIdsFileActivation = 10114;
    static constexpr unsigned kIdsFileOutputFunction = 10115;
    static constexpr unsigned kIdsFileOperationMode = 10116;
    static constexpr unsigned kIdsFileModule = 10117;
    static constexpr unsigned kIdsFileNoModule = 10118;
    static constexpr unsigned kIdsFileModuleVersion = 10119;
    static constexpr unsigned kIdsFileFirstSetting = 10120; // the module's six settings
    static constexpr unsigned kIdsFileDisplay1 = 10126;
    static constexpr unsigned kIdsFileDisplay2 = 10127;
    static constexpr unsigned kIdsFileLogicClock = 10128;
    static constexpr unsigned kIdsFileLogicDirection = 10129;
    static constexpr unsigned kIdsFileLogicBoost = 10130;
    static constexpr unsigned kIdsFileLogicActivation = 10131;
    static constexpr unsigned kIdsFileLogicReset = 10132;
    static constexpr unsigned kIdsFileLogicDeselect = 10133;

    // The device types' own controls.
    static constexpr unsigned kIdsOverdrive = 10431;
    static constexpr unsigned kIdsCurrentShape = 10432;
    static constexpr unsigned kIdsErrorSum = 10441;
    static constexpr unsigned kIdsBasicPosition = 10442;
    static constexpr unsigned kIdsChopperFrequency = 10445;
    static constexpr unsigned kIdsActivation = 10446;

    // The page's dialogs: stage status, QEL settings and QEL status.
    static constexpr unsigned kIdsQelFirstLabel = 10460;
    static constexpr unsigned kIdsQelSettingsTitle = 10466;
    static constexpr unsigned kIdsStageStatusTitle = 10487;
    static constexpr unsigned kIdsStageStatusFirstCaption = 10470;
    static constexpr unsigned kIdsQelStatusFirstCaption = 10490;
    static constexpr unsigned kIdsQelStatusTitle = 10499;

    // The printed parameter sheet.
    static constexpr unsigned kIdsSheetHeading = 10550;
    static constexpr unsigned kIdsSheetType = 10551;
    static constexpr unsigned kIdsSheetVersion = 10552;
    static constexpr unsigned kIdsSheetName = 10553;
    static constexpr unsigned kIdsSheetAddress = 10554;
    static constexpr unsigned kIdsSheetCurrentHeading = 10555;
    static constexpr unsigned kIdsSheetStopCurrent = 10556;
    static constexpr unsigned kIdsSheetDelay = 10559;
    static constexpr unsigned kIdsSheetParameterHeading = 10560;
    static constexpr unsigned kIdsSheetStep = 10561;
    static constexpr unsigned kIdsSheetDirection = 10562;
    static constexpr unsigned kIdsSheetInputFunction = 10563;
    static constexpr unsigned kIdsSheetInputLogic = 10564;
    static constexpr unsigned kIdsSheetActivation = 10565;
    static constexpr unsigned kIdsSheetOutputFunction = 10566;
    static constexpr unsigned kIdsSheetOperationMode = 10567;
    static constexpr unsigned kIdsSheetModuleHeading = 10568;
    static constexpr unsigned kIdsSheetModuleVersion = 10569;
    static constexpr unsigned kIdsSheetThermocouple = 10570;
    static constexpr unsigned kIdsSheetLimit1 = 10571;
    static constexpr unsigned kIdsSheetLedLimit = 10574;
    static constexpr unsigned kIdsSheetHeatTime = 10575;
    static constexpr unsigned kIdsSheetFirstLevel = 10576;
    static constexpr unsigned kIdsSheetHighActive = 10582;
    static constexpr unsigned kIdsSheetLowActive = 10583;
    static constexpr unsigned kIdsSheetCurrentShape = 10584;
    static constexpr unsigned kIdsSheetDisplay = 10585;
    static constexpr unsigned kIdsSheetOverdrive = 10586;
    static constexpr unsigned kIdsSheetChopper = 10587;
};
