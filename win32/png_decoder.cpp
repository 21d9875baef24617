// SPDX-License-Identifier: MIT
#include "png_decoder.h"

namespace varnik::win32 {

PngDecoder::PngDecoder() {
    IWICImagingFactory* factory = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&factory)))) {
        m_factory.reset(factory);
    }
}

Bitmap PngDecoder::decode(const void* bytes, DWORD size) const {
    if (!m_factory) {
        return nullptr;
    }
    IWICStream* stream = nullptr;
    if (FAILED(m_factory->CreateStream(&stream))) {
        return nullptr;
    }
    const ComObject<IWICStream> ownStream(stream);
    // WIC only reads the resource's bytes.
    if (FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(bytes)), size))) {
        return nullptr;
    }
    IWICBitmapDecoder* decoder = nullptr;
    if (FAILED(m_factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand,
                                                  &decoder))) {
        return nullptr;
    }
    const ComObject<IWICBitmapDecoder> ownDecoder(decoder);
    IWICBitmapFrameDecode* frame = nullptr;
    if (FAILED(decoder->GetFrame(0, &frame))) {
        return nullptr;
    }
    const ComObject<IWICBitmapFrameDecode> ownFrame(frame);
    IWICFormatConverter* converter = nullptr;
    if (FAILED(m_factory->CreateFormatConverter(&converter))) {
        return nullptr;
    }
    const ComObject<IWICFormatConverter> ownConverter(converter);
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                     nullptr, 0, WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0) {
        return nullptr;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top-down, as WIC copies the rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    const UINT stride = 4 * width;
    if (!bitmap || FAILED(converter->CopyPixels(nullptr, stride, stride * height,
                                                static_cast<BYTE*>(pixels)))) {
        return nullptr;
    }
    return bitmap;
}

} // namespace varnik::win32
