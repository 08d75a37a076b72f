#pragma once
// The numbers of the built-in commands. The dispatcher, the block structure
// and the restricted-script screen recognise built-in commands by these.

namespace orv::cmd {

// Navigation
inline constexpr int kGotoPage = 17;
inline constexpr int kGotoPageNum = 193;
inline constexpr int kGotoPrevPage = 20;
inline constexpr int kGotoNextPage = 21;
inline constexpr int kGotoFirstPage = 18;
inline constexpr int kGotoLastPage = 19;
inline constexpr int kReturnToPage = 43;
inline constexpr int kStartSlideShow = 161;
inline constexpr int kPauseSlideShow = 195;
inline constexpr int kStopSlideShow = 162;
// Dialogs
inline constexpr int kAlertBox = 1;
inline constexpr int kMessageBox = 30;
inline constexpr int kInputBox = 106;
inline constexpr int kFileOpenBox = 71;
inline constexpr int kFileSaveBox = 72;
inline constexpr int kFolderBox = 126;
// Pop-ups and pop-up menus
inline constexpr int kBalloon = 2;
inline constexpr int kStickyNote = 48;
inline constexpr int kPopUpImage = 36;
inline constexpr int kMenu = 28;
inline constexpr int kMenuEx = 29;
// Find, help and exit
inline constexpr int kFind = 16;
inline constexpr int kFindFirst = 110;
inline constexpr int kFindNext = 111;
inline constexpr int kHelpTopic = 109;
inline constexpr int kExit = 7;
// Media and sound
inline constexpr int kPlayCartoonFile = 31;
inline constexpr int kPlaySoundFile = 33;
inline constexpr int kPlayVideoFile = 35;
inline constexpr int kStopMedia = 49;
inline constexpr int kMCICommand = 27;
inline constexpr int kPlayTone = 34;
inline constexpr int kSoundBuzzer = 47;
inline constexpr int kSystemSound = 114;
inline constexpr int kGetVolume = 61;
inline constexpr int kSetVolume = 60;
// Files and registry
inline constexpr int kFileCopy = 8;
inline constexpr int kFileErase = 10;
inline constexpr int kFileSize = 202;
inline constexpr int kFileExists = 11;
inline constexpr int kFolderExists = 190;
inline constexpr int kCreateFolder = 105;
inline constexpr int kRemoveFolder = 130;
inline constexpr int kExtractFile = 117;
inline constexpr int kFileList = 189;
inline constexpr int kFileRead = 13;
inline constexpr int kFileWrite = 15;
inline constexpr int kFileInsLine = 12;
inline constexpr int kFileDelLine = 9;
inline constexpr int kFileLen = 14;
inline constexpr int kFileToVar = 196;
inline constexpr int kExtractFilePath = 76;
inline constexpr int kExtractFileName = 77;
inline constexpr int kExtractFileExt = 78;
inline constexpr int kExtractFileDrive = 79;
inline constexpr int kChangeFileExt = 191;
inline constexpr int kRegistryRead = 112;
inline constexpr int kRegistryWrite = 113;
// Printing
inline constexpr int kPrintPage = 39;
inline constexpr int kPrintImageFile = 38;
inline constexpr int kPrintImageFileWH = 133;
inline constexpr int kPrintTextFile = 41;
inline constexpr int kPrintDataFile = 37;
inline constexpr int kSetPrinterOrientation = 143;
inline constexpr int kPrintSetup = 40;
// Strings
inline constexpr int kStrIns = 51;
inline constexpr int kStrDel = 50;
inline constexpr int kStrLen = 52;
inline constexpr int kSubStr = 53;
inline constexpr int kSearchStr = 44;
inline constexpr int kStrUpper = 57;
inline constexpr int kStrLower = 58;
inline constexpr int kStrReplace = 59;
inline constexpr int kStrParse = 120;
// Page objects
inline constexpr int kShowObject = 62;
inline constexpr int kHideObject = 63;
inline constexpr int kEnableObject = 65;
inline constexpr int kDisableObject = 64;
inline constexpr int kGetObjectInfo = 66;
inline constexpr int kMoveObject = 67;
inline constexpr int kMoveObjectAlongPath = 164;
inline constexpr int kStopMovingObject = 165;
inline constexpr int kSizeObject = 68;
inline constexpr int kObjectToFront = 124;
inline constexpr int kObjectToBack = 125;
inline constexpr int kFocusObject = 107;
inline constexpr int kRefreshObject = 69;
inline constexpr int kGetObjectHandle = 108;
inline constexpr int kSetObjectFill = 156;
inline constexpr int kSetObjectLine = 157;
inline constexpr int kSetObjectFont = 158;
inline constexpr int kSetObjectCaption = 159;
inline constexpr int kSetObjectFileName = 160;
inline constexpr int kGIFPlay = 87;
inline constexpr int kGIFStop = 88;
inline constexpr int kMediaPlayerPlay = 101;
inline constexpr int kMediaPlayerStop = 102;
inline constexpr int kMediaPlayerPause = 103;
inline constexpr int kMediaPlayerRewind = 104;
inline constexpr int kTimerStart = 89;
inline constexpr int kTimerStop = 90;
inline constexpr int kListBoxGetItem = 91;
inline constexpr int kListBoxAddItem = 92;
inline constexpr int kListBoxMoveItem = 98;
inline constexpr int kListBoxDeleteItem = 93;
inline constexpr int kListBoxChangeItem = 94;
inline constexpr int kListBoxSize = 95;
inline constexpr int kListBoxFindItem = 96;
inline constexpr int kListBoxSort = 97;
inline constexpr int kTrackBarSetMin = 99;
inline constexpr int kTrackBarSetMax = 100;
inline constexpr int kBrowserGoTo = 80;
inline constexpr int kBrowserBack = 81;
inline constexpr int kBrowserForward = 82;
inline constexpr int kBrowserHome = 83;
inline constexpr int kBrowserSearch = 84;
inline constexpr int kBrowserPrint = 85;
inline constexpr int kBrowserStop = 86;
inline constexpr int kBrowserExport = 132;
inline constexpr int kBrowserFind = 163;
inline constexpr int kBrowserLoadFromStr = 187;
inline constexpr int kBrowserExecScript = 199;
inline constexpr int kBrowserGetElement = 200;
inline constexpr int kBrowserSetElement = 201;
inline constexpr int kArticleJumpTo = 116;
inline constexpr int kPictureMagnify = 122;
inline constexpr int kFlashPlay = 138;
inline constexpr int kFlashPause = 180;
inline constexpr int kFlashStop = 139;
inline constexpr int kFlashRewind = 140;
inline constexpr int kFlashGotoFrame = 141;
inline constexpr int kFlashForward = 170;
inline constexpr int kFlashBack = 171;
inline constexpr int kFlashGetVar = 172;
inline constexpr int kFlashSetVar = 173;
// Menu items
inline constexpr int kShowMenuItem = 181;
inline constexpr int kHideMenuItem = 182;
inline constexpr int kEnableMenuItem = 183;
inline constexpr int kDisableMenuItem = 184;
// Internet and mail
inline constexpr int kCheckInternetConnection = 174;
inline constexpr int kConnectToInternet = 175;
inline constexpr int kDisconnectFromInternet = 176;
inline constexpr int kInternetLink = 25;
inline constexpr int kSendMail = 115;
inline constexpr int kDownloadFile = 177;
inline constexpr int kInternetFileExists = 178;
inline constexpr int kInternetFileSize = 179;
inline constexpr int kInternetPost = 197;
inline constexpr int kInternetGet = 198;
// Applications and processes
inline constexpr int kRun = 129;
inline constexpr int kRunInRectangle = 154;
inline constexpr int kCloseApp = 144;
inline constexpr int kIsAppRunning = 145;
inline constexpr int kSendKeys = 45;
inline constexpr int kSendMenuCommand = 146;
inline constexpr int kDropFile = 147;
inline constexpr int kSetWindowPos = 148;
inline constexpr int kGetWindowPos = 149;
inline constexpr int kBringAppToFront = 150;
inline constexpr int kSendAppToBack = 151;
inline constexpr int kDisableApp = 152;
inline constexpr int kEnableApp = 153;
inline constexpr int kRunOrvalis = 137;
inline constexpr int kExecuteAddOn = 6;
inline constexpr int kDOSCommand = 5;
// Custom windows
inline constexpr int kImageWindow = 24;
inline constexpr int kTextWindow = 55;
inline constexpr int kCloseWindow = 3;
inline constexpr int kCustomWindow = 135;
inline constexpr int kCloseCustomWindow = 136;
// Control flow
inline constexpr int kIf = 23;
inline constexpr int kIfEx = 167;
inline constexpr int kWhile = 56;
inline constexpr int kWhileEx = 155;
inline constexpr int kExitWhile = 169;
inline constexpr int kLoop = 123;
inline constexpr int kExitLoop = 168;
inline constexpr int kGotoLine = 22;
inline constexpr int kCall = 70;
inline constexpr int kGoSub = 118;
inline constexpr int kReturn = 119;
// Mouse
inline constexpr int kSetMousePos = 127;
inline constexpr int kGetMousePos = 131;
inline constexpr int kClickMouse = 128;
// Calculation, time and system
inline constexpr int kMath = 26;
inline constexpr int kRandom = 42;
inline constexpr int kDateToNum = 185;
inline constexpr int kNumToDate = 186;
inline constexpr int kDelay = 4;
inline constexpr int kSystemInfo = 54;
inline constexpr int kSuspend = 134;
inline constexpr int kShowErrors = 166;
inline constexpr int kLoadIcon = 192;
inline constexpr int kDebugBreakPoint = 188;
// Variables
inline constexpr int kSetVar = 46;
inline constexpr int kDefineVar = 142;
inline constexpr int kSaveVariables = 73;
inline constexpr int kLoadVariables = 74;
inline constexpr int kClearVariables = 75;
inline constexpr int kDeleteArray = 121;
inline constexpr int kGetArrayInfo = 194;

}  // namespace orv::cmd
