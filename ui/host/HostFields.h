#pragma once

#include <cstddef>

namespace corvatto::ui {

// The numbered fields of a host object. Shared code reads several of them by number.
enum class HostField : std::size_t {
    hwnd = 1,
    selfHandle = 2,
    prevWndProc = 3,
    wndProcThunk = 4,
    focusElement = 5,
    hotElement = 6,
    pressedElement = 7,
    captureActive = 8,
    busy = 9,
    windowDc = 10,
    backDc = 11,
    backBitmap = 12,
    backOldBitmap = 13,
    backGraphics = 14,
    bgCacheDc = 15,
    themeSource = 16,
    bgCacheBitmap = 17,
    bgCacheOldBitmap = 18,
    backgroundImage = 19,
    unusedField20 = 20,
    backgroundColor = 21,
    firstElement = 22,
    lastElement = 23,
    frameFlags = 24,
    tooltipWindow = 25,
    frameStyle = 26,
    windowAlpha = 27,
    backgroundImageMode = 28,
    shadowColor = 29,
    resizable = 30,
    dragByBody = 31,
    imageEdgeFade = 32,
    closeAnimation = 33,
    size = 34,              // HostSize*, owned
    contentClip = 35,
    focusCueElement = 36,
    blurBehind = 37,
    deferPresent = 38,
    cursor = 39,
    nineGridCentre = 40,    // RECT*, owned
    fadeDc = 41,
    fadeBitmap = 42,
    fadeOldBitmap = 43,
    fadeAlpha = 44,
    mouseTracking = 45,
    accelerators = 46,      // AccessKeyList*, owned
    captionButtons = 47,    // CaptionButtonList*, owned
    iconElement = 48,       // ObjectHolder*, owned
    titleElement = 49,      // ObjectHolder*, owned
    redrawQueue = 50,       // ObjectHolder*, owned
    toolInfo = 51,          // ToolInfo*, owned
    onPaint = 52,
    onMessage = 53,
    onElementDown = 54,
    onElementUp = 55,
    onElementClick = 56,
    onElementDoubleClick = 57,
    onElementRightDown = 58,
    onElementRightUp = 59,
    onElementEnter = 60,
    onElementLeave = 61,
    onElementFocus = 62,
    onElementBlur = 63,
    onSize = 64,
    // Kept beyond the published fields: the host's own bookkeeping.
    deferredAreas = 65,     // std::vector<RectRecord>*, owned: areas to repaint when the busy phase ends
};

inline constexpr std::size_t kHostFieldCount = 65;

} // namespace corvatto::ui
