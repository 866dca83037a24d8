#pragma once

// The command ids of the menus and toolbars. Element kinds are 33001 to
// 33047 (the design tool is the id minus 33001); paint tools 32829 to 32837.
namespace vantrel::command {

enum : int
{
    // File
    kFileNew = 57600,
    kFileOpen = 57601,
    kFileExamples = 32992,
    kFileSave = 57603,
    kFileSaveAs = 57604,
    kFilePrint = 57607,
    kFilePrintPreview = 57609,
    kFilePrintSetup = 57606,
    kExportIoList = 32926,
    kExportPicture = 32990,
    kFileCompare = 32991,
    kExportDocumentation = 32994,
    kImportIoNames = 32993,
    kFileRecent = 57616,
    kAppExit = 57665,
    // Edit
    kEditUndo = 57643,
    kEditRedo = 57644,
    kEditCut = 57635,
    kEditCopy = 57634,
    kEditPaste = 57637,
    kEditSaveBlock = 32995,
    kEditReplicate = 32927,
    kEditSelectAll = 32921,
    kEditFind = 57636,
    kBackgroundColor = 34100,
    kImportBackground = 34104,
    kFlipHorizontally = 34102,
    kFlipVertically = 34103,
    kNormalize = 32933,
    // View
    kViewToolbar = 59392,
    kViewStatusBar = 59393,
    kViewElementBar = 32774,
    kViewElementNumbers = 32798,
    kViewProblems = 32799,
    kViewLibrary = 32996,
    kZoomIn = 34009,
    kZoomOut = 34010,
    kZoomOne = 34011,
    kZoomFit = 34012,
    kLayoutDesign = 32818,
    kLayoutPreview = 32822,
    kLayoutToggle = 32951,
    // Tools
    kIoCount = 34003,
    kIoSpeed = 34005,
    kRemoteIo = 34013,
    kCustomRemoteIo = 32952,
    kAutoSort = 34006,
    kExportFlash = 32811,
    kExportJson = 32946,
    kComplexCommands = 34007,
    kSimulationSetup = 32935,
    kSimulationExport = 32936,
    kPageSetCount = 32962,
    kPageLeft = 32963,
    kPageRight = 32964,
    // Action: element kinds and tools
    kFirstElementTool = 33001,
    kLastElementTool = 33047,
    kToolConnect = 33005,
    kToolSelect = 33008,
    // Paint Tool
    kPaintPen = 32829,
    kPaintLine = 32830,
    kPaintEllipse = 32831,
    kPaintSelect = 32832,
    kPaintFilledEllipse = 32833,
    kPaintRectangle = 32834,
    kPaintText = 32835,
    kPaintFilledText = 32836,
    kPaintFilledRectangle = 32837,
    // Help
    kAppAbout = 57664,
};

// Design tools: the command id minus the first element tool.
constexpr int kConnectTool = kToolConnect - kFirstElementTool;
constexpr int kSelectTool = kToolSelect - kFirstElementTool;

} // namespace vantrel::command
