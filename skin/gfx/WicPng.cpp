// 32-bit PNG files through WIC.
#include "skin/gfx/WicPng.h"

#include <windows.h>
#include <wincodec.h>

#include <cstdio>
#include <stdexcept>

#include "skin/data/SkinLimits.h"

namespace ventro {
namespace {

// One owner for the COM interfaces used here.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr()
    {
        if (m_p)
            m_p->Release();
    }
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }
    T** Out() { return &m_p; }

private:
    T* m_p = nullptr;
};

void Check(HRESULT hr, const char* step)
{
    if (FAILED(hr)) {
        char message[96];
        std::snprintf(message, sizeof message, "%s failed (0x%08lX)", step, static_cast<unsigned long>(hr));
        throw std::runtime_error(message);
    }
}

// COM for this thread while a file is read or written.
class ComScope {
public:
    ComScope() : m_hr(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) { }
    ~ComScope()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }

private:
    HRESULT m_hr;
};

void Factory(ComPtr<IWICImagingFactory>& factory)
{
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
              reinterpret_cast<void**>(factory.Out())),
        "creating the imaging factory");
}

} // namespace

void WritePng32(const std::wstring& path, const Picture32& p)
{
    if (p.Width <= 0 || p.Height <= 0 || p.Bgra.size() != size_t(p.Width) * size_t(p.Height) * 4)
        throw std::runtime_error("an empty or inconsistent picture has no PNG form");
    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    Factory(factory);
    ComPtr<IWICStream> stream;
    Check(factory->CreateStream(stream.Out()), "creating a stream");
    Check(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE), "opening the output file");
    ComPtr<IWICBitmapEncoder> encoder;
    Check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out()), "creating the PNG encoder");
    Check(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache), "starting the PNG encoder");
    ComPtr<IWICBitmapFrameEncode> frame;
    Check(encoder->CreateNewFrame(frame.Out(), nullptr), "creating the PNG frame");
    Check(frame->Initialize(nullptr), "starting the PNG frame");
    Check(frame->SetSize(UINT(p.Width), UINT(p.Height)), "sizing the PNG frame");
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    Check(frame->SetPixelFormat(&format), "setting the pixel format");
    if (!IsEqualGUID(format, GUID_WICPixelFormat32bppBGRA))
        throw std::runtime_error("the PNG encoder does not take 32-bit BGRA pixels");
    Check(frame->WritePixels(UINT(p.Height), UINT(p.Width) * 4, UINT(p.Bgra.size()), const_cast<BYTE*>(p.Bgra.data())),
        "writing the pixels");
    Check(frame->Commit(), "finishing the PNG frame");
    Check(encoder->Commit(), "finishing the PNG file");
}

Picture32 ReadPng32(const std::wstring& path)
{
    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    Factory(factory);
    ComPtr<IWICBitmapDecoder> decoder;
    Check(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
              decoder.Out()),
        "opening the PNG file");
    ComPtr<IWICBitmapFrameDecode> frame;
    Check(decoder->GetFrame(0, frame.Out()), "reading the PNG frame");
    ComPtr<IWICFormatConverter> converter;
    Check(factory->CreateFormatConverter(converter.Out()), "creating a format converter");
    Check(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
              WICBitmapPaletteTypeCustom),
        "converting to 32-bit BGRA");
    UINT w = 0, h = 0;
    Check(converter->GetSize(&w, &h), "reading the size");
    if (w == 0 || h == 0 || w > uint32_t(MaxBitmapDimension) || h > uint32_t(MaxBitmapDimension))
        throw std::runtime_error("a PNG picture of an unusable size");
    Picture32 p;
    p.Width = int32_t(w);
    p.Height = int32_t(h);
    p.Bgra.resize(size_t(w) * h * 4);
    Check(converter->CopyPixels(nullptr, w * 4, UINT(p.Bgra.size()), p.Bgra.data()), "reading the pixels");
    return p;
}

} // namespace ventro
