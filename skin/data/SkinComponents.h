// The skin components: the compressed stored skin, the skin list with its
// items, the resource string data, and the skin data that loads a stored skin
// and announces skin changes with the skin messages.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Component.h"
#include "skin/data/SkinContent.h"
#include "skin/data/Stream.h"

namespace ventro {

// Skin messages: sent to forms with WParam = the skin data, LParam = 1000.
constexpr uint32_t SkinMessageBase = 0x0400;  // the platform's first user message
constexpr uint32_t SKM_BEFORECHANGESKIN = SkinMessageBase + 201;
constexpr uint32_t SKM_CHANGESKIN = SkinMessageBase + 202;
constexpr uint32_t SKM_AFTERCHANGESKIN = SkinMessageBase + 203;
constexpr uint32_t SKM_CHANGERESSTRDATA = SkinMessageBase + 250;
constexpr uint32_t SKM_CHANGESKINNABLE = SkinMessageBase + 270;
constexpr intptr_t SkinMessageLParam = 1000;

class TlxCompressedStoredSkin : public TComponent {
public:
    explicit TlxCompressedStoredSkin(TComponent* owner);

    std::string Description;
    const std::string& FileName() const { return m_fileName; }
    const std::string& CompressedFileName() const { return m_compressedFileName; }
    // There is no designer, so setting a file name only stores it.
    void SetFileName(std::string value) { m_fileName = std::move(value); }
    void SetCompressedFileName(std::string value) { m_compressedFileName = std::move(value); }

    // The zlib data, as the form property CompressedData stores it.
    const std::vector<uint8_t>& CompressedData() const { return m_data.Bytes(); }
    void SetCompressedData(std::vector<uint8_t> bytes) { m_data = TMemoryStream(std::move(bytes)); }
    bool IsEmpty() const { return m_data.Bytes().empty(); }

    // Builds the data from a definition file; a file that is not a skin
    // definition changes nothing. isLeadByte describes the path's code page.
    void CompileSkinFile(const std::string& path, bool (*isLeadByte)(unsigned char) = nullptr);
    void LoadCompressedFile(const std::string& path);
    void LoadPackedStream(TStream& stream);
    void SavePackedStream(TStream& stream) const;
    // Appends the inflated skin stream to stream.
    void UnpackTo(TStream& stream) const;

private:
    std::string m_fileName;
    std::string m_compressedFileName;
    mutable TMemoryStream m_data;
};

class TlxCompressedSkinList;

class TlxSkinListItem {
public:
    TlxSkinListItem(TlxCompressedSkinList& list, int index);

    std::string Description;
    std::string FileName;
    std::string CompressedFileName;
    std::string Name;
    const std::string& DisplayName() const { return Name; }
    TlxCompressedStoredSkin& StoredSkin() { return *m_skin; }
    const TlxCompressedStoredSkin& StoredSkin() const { return *m_skin; }
    // The Skin property in its packed form.
    std::vector<uint8_t> SkinProperty() const;
    void SetSkinProperty(std::vector<uint8_t> packed);

private:
    std::unique_ptr<TlxCompressedStoredSkin> m_skin;
};

class TlxSkinListItems {
public:
    explicit TlxSkinListItems(TlxCompressedSkinList& owner) : m_owner(owner) { }
    TlxSkinListItem& Add();
    int Count() const { return int(m_items.size()); }
    TlxSkinListItem& Items(int index) { return *m_items.at(size_t(index)); }
    void Clear() { m_items.clear(); }
    TlxCompressedSkinList& Owner() const { return m_owner; }

private:
    TlxCompressedSkinList& m_owner;
    std::vector<std::unique_ptr<TlxSkinListItem>> m_items;
};

class TlxCompressedSkinList : public TComponent {
public:
    explicit TlxCompressedSkinList(TComponent* owner) : TComponent(owner), Skins(*this) { }
    TlxSkinListItems Skins;
};

class TlxResourceStrData : public TComponent {
public:
    explicit TlxResourceStrData(TComponent* owner);
    std::vector<std::string> ResStrings;
    int CharSet = 1;
    std::string GetResString(std::string_view key) const;
};

class TlxSkinData : public TComponent, public TlxSkinContent {
public:
    // Delivers a skin message to the forms: the owner form first, then every
    // other form, synchronously. Set by the platform side.
    using SkinMessageSink = std::function<void(TlxSkinData& sender, uint32_t message)>;

    explicit TlxSkinData(TComponent* owner);
    ~TlxSkinData() override;

    bool SkinnableForm() const { return m_skinnableForm; }
    void SetSkinnableForm(bool value);
    bool EnableSkinEffects = true;
    TlxCompressedStoredSkin* CompressedStoredSkin() const { return m_storedSkin; }
    void SetCompressedStoredSkin(TlxCompressedStoredSkin* value);
    TlxResourceStrData* ResourceStrData() const { return m_resStrData; }
    void SetResourceStrData(TlxResourceStrData* value);
    TlxCompressedSkinList* SkinList() const { return m_skinList; }
    void SetSkinList(TlxCompressedSkinList* value);
    int SkinIndex() const { return m_skinIndex; }
    void SetSkinIndex(int value);

    void SetSkinMessageSink(SkinMessageSink sink) { m_sink = std::move(sink); }
    void BroadcastSkinMessage(uint32_t message);
    // Decodes a stored skin into this skin data. A refused or failed load
    // leaves the skin empty and not changing; a failure still throws.
    void ApplyStoredSkin(const TlxCompressedStoredSkin& storedSkin);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Link(TComponent* oldValue, TComponent* newValue);

    bool m_skinnableForm = true;
    TlxCompressedStoredSkin* m_storedSkin = nullptr;
    TlxResourceStrData* m_resStrData = nullptr;
    TlxCompressedSkinList* m_skinList = nullptr;
    int m_skinIndex = 0;
    SkinMessageSink m_sink;
};

} // namespace ventro
