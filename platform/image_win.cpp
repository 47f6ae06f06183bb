// Decoding of the program's pictures through WIC and drawing them with their alpha.
#include "platform/image_win.h"

#include <wincodec.h>

#include <cstring>

#include "platform/com_win.h"
#include "platform/platform_win.h"

namespace plat {

bool DecodeImage(const std::string& bytes, DibImage* out) {
    if (bytes.empty() || bytes.size() > kMaxPictureBytes) return false;
    EnsureCom();
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(ComCreateInstance(CLSID_WICImagingFactory, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                 reinterpret_cast<void**>(factory.Receive()))))
        return false;
    ComPtr<IWICStream> stream;
    if (FAILED(factory->CreateStream(stream.Receive()))) return false;
    if (FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                            static_cast<DWORD>(bytes.size()))))
        return false;
    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(
            factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Receive())))
        return false;
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.Receive()))) return false;
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.Receive()))) return false;
    if (FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return false;
    UINT w = 0, h = 0;
    if (FAILED(converter->GetSize(&w, &h)) || w == 0 || h == 0 || w > 8192 || h > 8192) return false;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = static_cast<LONG>(w);
    bi.bmiHeader.biHeight = -static_cast<LONG>(h);
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return false;
    if (FAILED(converter->CopyPixels(nullptr, w * 4, w * h * 4, static_cast<BYTE*>(bits)))) return false;
    out->bitmap = std::move(bitmap);
    out->width = static_cast<int>(w);
    out->height = static_cast<int>(h);
    return true;
}

bool ProgramPictureBytes(const std::wstring& ref, std::string* bytes) {
    if (ref.empty()) return false;
    if (ProgramResource(ref, bytes)) return true;
    std::wstring path = ref;
    const bool absolute = path.size() > 1 && (path[1] == L':' || path[0] == L'\\' || path[0] == L'/');
    if (!absolute) path = ProgramFolder() + L"\\" + path;
    // Pictures are small; a file of 64 MB or more is not one.
    return ReadWholeFile(path, kMaxPictureBytes - 1, bytes) == FileRead::Ok && !bytes->empty();
}

void DrawImage(HDC dc, const DibImage& image, const RECT& dest) {
    if (!image) return;
    MemoryDC source(CreateCompatibleDC(dc));
    if (!source) return;
    SelectObj select(source.get(), image.bitmap.get());
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.get(), 0, 0,
                  image.width, image.height, blend);
    SetStretchBltMode(dc, oldMode);
}

}  // namespace plat
