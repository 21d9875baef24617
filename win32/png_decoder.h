// SPDX-License-Identifier: MIT
#pragma once

#include "handles.h"

#include <wincodec.h>
#include <windows.h>

namespace varnik::win32 {

/// Decodes PNG files with Windows' own imaging component (WIC), which it reaches through COM:
/// COM runs on the thread for the decoder's lifetime.
class PngDecoder {
public:
    PngDecoder();

    /// The picture as a 32-bit top-down DIB section; null if it cannot be decoded.
    Bitmap decode(const void* bytes, DWORD size) const;

private:
    ComApartment m_com;
    ComObject<IWICImagingFactory> m_factory;
};

} // namespace varnik::win32
