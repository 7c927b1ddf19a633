// The skin components.
#include "skin/data/SkinComponents.h"

#include "skin/data/ResourceStrings.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinStream.h"
#include "skin/data/ZlibStream.h"

namespace ventro {

TlxCompressedStoredSkin::TlxCompressedStoredSkin(TComponent* owner)
    : TComponent(owner)
{
}

void TlxCompressedStoredSkin::CompileSkinFile(const std::string& path, bool (*isLeadByte)(unsigned char))
{
    std::vector<uint8_t> compressed;
    if (CompileSkinDefinition(path, compressed, isLeadByte))
        m_data = TMemoryStream(std::move(compressed));
}

void TlxCompressedStoredSkin::LoadCompressedFile(const std::string& path)
{
    m_data.Clear();
    TMemoryStream file(ReadWholeFile(path, MaxSkinFileBytes));
    LoadPackedStream(file);
}

// The size field is checked against the bytes really there: a size outside
// them leaves the data empty, as an unsupported version does.
void TlxCompressedStoredSkin::LoadPackedStream(TStream& stream)
{
    m_data.Clear();
    stream.SetPosition(0);
    int64_t total = stream.Size();
    if (total < 8 || stream.ReadInt32() > SkinStreamVersion)
        return;
    int32_t size = stream.ReadInt32();
    if (size < 0 || size > total - stream.Position())
        return;
    m_data.CopyFrom(stream, size);
    m_data.SetPosition(0);
}

void TlxCompressedStoredSkin::SavePackedStream(TStream& stream) const
{
    stream.WriteInt32(SkinStreamVersion);
    stream.WriteInt32(int32_t(m_data.Bytes().size()));
    stream.WriteBuffer(m_data.Bytes().data(), int64_t(m_data.Bytes().size()));
}

void TlxCompressedStoredSkin::UnpackTo(TStream& stream) const
{
    if (auto* memory = dynamic_cast<TMemoryStream*>(&stream))
        memory->Bytes().reserve(memory->Bytes().size() + InflatedSizeHint(m_data.Bytes().size()));
    DecompressStream(stream, m_data);
}

TlxSkinListItem::TlxSkinListItem(TlxCompressedSkinList&, int index)
    : Name("lxSkin" + std::to_string(index))
    , m_skin(std::make_unique<TlxCompressedStoredSkin>(nullptr))
{
}

std::vector<uint8_t> TlxSkinListItem::SkinProperty() const
{
    TMemoryStream out;
    m_skin->SavePackedStream(out);
    return std::move(out.Bytes());
}

void TlxSkinListItem::SetSkinProperty(std::vector<uint8_t> packed)
{
    TMemoryStream in(std::move(packed));
    m_skin->LoadPackedStream(in);
}

TlxSkinListItem& TlxSkinListItems::Add()
{
    m_items.push_back(std::make_unique<TlxSkinListItem>(m_owner, Count()));
    return *m_items.back();
}

TlxResourceStrData::TlxResourceStrData(TComponent* owner)
    : TComponent(owner)
    , ResStrings(DefaultResourceStrings())
{
}

std::string TlxResourceStrData::GetResString(std::string_view key) const
{
    return FindResString(ResStrings, key);
}

TlxSkinData::TlxSkinData(TComponent* owner)
    : TComponent(owner)
{
}

TlxSkinData::~TlxSkinData()
{
    ClearSkin();
}

void TlxSkinData::Link(TComponent* oldValue, TComponent* newValue)
{
    if (oldValue && oldValue != newValue)
        RemoveFreeNotification(oldValue);
    if (newValue)
        FreeNotification(newValue);
}

void TlxSkinData::SetSkinnableForm(bool value)
{
    if (value == m_skinnableForm)
        return;
    m_skinnableForm = value;
    if (!IsReading())
        BroadcastSkinMessage(SKM_CHANGESKINNABLE);
}

void TlxSkinData::SetCompressedStoredSkin(TlxCompressedStoredSkin* value)
{
    Link(m_storedSkin, value);
    m_storedSkin = value;
    if (value)
        ApplyStoredSkin(*value);
}

void TlxSkinData::SetResourceStrData(TlxResourceStrData* value)
{
    Link(m_resStrData, value);
    m_resStrData = value;
    BroadcastSkinMessage(SKM_CHANGERESSTRDATA);
}

void TlxSkinData::SetSkinList(TlxCompressedSkinList* value)
{
    Link(m_skinList, value);
    m_skinList = value;
    if (value && m_skinIndex >= 0 && m_skinIndex < value->Skins.Count())
        ApplyStoredSkin(value->Skins.Items(m_skinIndex).StoredSkin());
}

void TlxSkinData::SetSkinIndex(int value)
{
    if (value == m_skinIndex)
        return;
    if (!m_skinList) {
        m_skinIndex = value;
        return;
    }
    if (value < 0 || value >= m_skinList->Skins.Count())
        return;
    m_skinIndex = value;
    ApplyStoredSkin(m_skinList->Skins.Items(value).StoredSkin());
}

void TlxSkinData::BroadcastSkinMessage(uint32_t message)
{
    if (m_sink)
        m_sink(*this, message);
}

void TlxSkinData::ApplyStoredSkin(const TlxCompressedStoredSkin& storedSkin)
{
    if (storedSkin.IsEmpty())
        return;
    Empty = true;
    Changing = true;
    BroadcastSkinMessage(SKM_BEFORECHANGESKIN);
    ClearSkin();
    // A refused or failed load must not leave forms waiting on a change that
    // never completes: the skin ends empty and not changing.
    struct FailureGuard {
        TlxSkinData& data;
        bool done = false;
        ~FailureGuard()
        {
            if (!done) {
                data.ClearSkin();
                data.Changing = false;
            }
        }
    } guard { *this };
    SkinStreamContent content = InflateSkinStream(storedSkin.CompressedData());
    if (content.Version > SkinStreamVersion)
        return;
    LoadSkinStreamContent(std::move(content));
    guard.done = true;
    Empty = false;
    BroadcastSkinMessage(SKM_CHANGESKIN);
    Changing = false;
    BroadcastSkinMessage(SKM_AFTERCHANGESKIN);
}

void TlxSkinData::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_storedSkin)
        m_storedSkin = nullptr;
    if (component == m_resStrData)
        m_resStrData = nullptr;
    if (component == m_skinList)
        m_skinList = nullptr;
}

} // namespace ventro
