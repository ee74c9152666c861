// String lists: texts, names/values, delimited forms and files of TStrings; storage and sorting of TStringList.
#include "platform/rtl/StringList.h"

#include <algorithm>
#include <numeric>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"

namespace rtl {

namespace {

bool IsBlankOrControl(char c) { return c >= 1 && static_cast<unsigned char>(c) <= ' '; }

std::size_t FindSeparator(const std::string& s, char separator) { return s.find(separator); }

}  // namespace

// ===== TStrings

TObject* TStrings::GetObject(int index) const
{
    CheckIndex(index, GetCount());
    return nullptr;
}

void TStrings::PutObject(int /*index*/, TObject* /*object*/) {}

void TStrings::Put(int index, const std::string& s)
{
    CheckIndex(index, GetCount());
    BeginUpdate();
    TObject* object = GetObject(index);
    Delete(index);
    InsertObject(index, s, object);
    EndUpdate();
}

int TStrings::Add(const std::string& s)
{
    const int index = GetCount();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::string& s, TObject* object)
{
    const int index = Add(s);
    PutObject(index, object);
    return index;
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object)
{
    Insert(index, s);
    PutObject(index, object);
}

int TStrings::AddPair(const std::string& name, const std::string& value)
{
    return Add(name + FNameValueSeparator + value);
}

void TStrings::AddStrings(const TStrings& strings)
{
    BeginUpdate();
    for (int i = 0; i < strings.GetCount(); ++i)
        AddObject(strings.Get(i), strings.GetObject(i));
    EndUpdate();
}

void TStrings::Exchange(int index1, int index2)
{
    CheckIndex(index1, GetCount());
    CheckIndex(index2, GetCount());
    if (index1 == index2)
        return;
    BeginUpdate();
    const std::string s1 = Get(index1);
    TObject* o1 = GetObject(index1);
    Put(index1, Get(index2));
    PutObject(index1, GetObject(index2));
    Put(index2, s1);
    PutObject(index2, o1);
    EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    CheckIndex(curIndex, GetCount());
    CheckIndex(newIndex, GetCount());
    BeginUpdate();
    const std::string s = Get(curIndex);
    TObject* object = GetObject(curIndex);
    PutObject(curIndex, nullptr);
    Delete(curIndex);
    InsertObject(newIndex, s, object);
    EndUpdate();
}

int TStrings::IndexOf(const std::string& s) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (CompareStrings(Get(i), s) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfName(const std::string& name) const
{
    for (int i = 0; i < GetCount(); ++i) {
        const std::string line = Get(i);
        const std::size_t sep = FindSeparator(line, FNameValueSeparator);
        if (sep != std::string::npos && CompareStrings(line.substr(0, sep), name) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (GetObject(i) == object)
            return i;
    return -1;
}

std::string TStrings::Names(int index) const
{
    const std::string line = Get(index);
    const std::size_t sep = FindSeparator(line, FNameValueSeparator);
    return sep == std::string::npos ? std::string() : line.substr(0, sep);
}

std::string TStrings::Values(const std::string& name) const
{
    const int index = IndexOfName(name);
    return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValues(const std::string& name, const std::string& value)
{
    const int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    const std::string line = name + FNameValueSeparator + value;
    if (index < 0)
        Add(line);
    else
        Put(index, line);
}

std::string TStrings::ValueFromIndex(int index) const
{
    const std::string line = Get(index);
    const std::size_t sep = FindSeparator(line, FNameValueSeparator);
    return sep == std::string::npos ? std::string() : line.substr(sep + 1);
}

void TStrings::SetValueFromIndex(int index, const std::string& value)
{
    if (value.empty()) {
        Delete(index);
        return;
    }
    const std::string line = Get(index);
    const std::size_t sep = FindSeparator(line, FNameValueSeparator);
    const std::string name = sep == std::string::npos ? line : line.substr(0, sep);
    Put(index, name + FNameValueSeparator + value);
}

std::string TStrings::Text() const
{
    const int count = GetCount();
    std::size_t size = 0;
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        lines.push_back(Get(i));
        size += lines.back().size() + FLineBreak.size();
    }
    std::string out;
    out.reserve(size);
    for (int i = 0; i < count; ++i) {
        out += lines[static_cast<std::size_t>(i)];
        if (FTrailingLineBreak || i + 1 < count)
            out += FLineBreak;
    }
    return out;
}

void TStrings::SetText(std::string_view text)
{
    BeginUpdate();
    Clear();
    std::size_t pos = 0;
    const std::size_t size = text.size();
    while (pos < size) {
        std::size_t end = pos;
        while (end < size && text[end] != '\r' && text[end] != '\n')
            ++end;
        Add(std::string(text.substr(pos, end - pos)));
        pos = end;
        if (pos < size && text[pos] == '\r')
            ++pos;
        if (pos < size && text[pos] == '\n')
            ++pos;
    }
    EndUpdate();
}

std::string TStrings::DelimitedText() const { return JoinDelimited(FDelimiter, FQuoteChar, FStrictDelimiter); }

std::string TStrings::JoinDelimited(char delimiter, char quoteChar, bool strict) const
{
    const int count = GetCount();
    if (count == 1 && Get(0).empty())
        return std::string(2, quoteChar);
    std::string out;
    for (int i = 0; i < count; ++i) {
        const std::string s = Get(i);
        bool quote = false;
        for (char c : s) {
            if (c == '\0')
                break;
            if (c == quoteChar || c == delimiter || (!strict && IsBlankOrControl(c))) {
                quote = true;
                break;
            }
        }
        out += quote ? AnsiQuotedStr(s, quoteChar) : s;
        if (i + 1 < count)
            out += delimiter;
    }
    return out;
}

void TStrings::SetDelimitedText(std::string_view text)
{
    BeginUpdate();
    Clear();
    const std::size_t size = text.size();
    std::size_t p = 0;
    auto skipBlanks = [&] {
        if (!FStrictDelimiter)
            while (p < size && IsBlankOrControl(text[p]))
                ++p;
    };
    skipBlanks();
    while (p < size && text[p] != '\0') {
        std::string item;
        if (text[p] == FQuoteChar) {
            item = AnsiExtractQuotedStr(text, p, FQuoteChar);
        } else {
            const std::size_t start = p;
            while (p < size && text[p] != '\0' && text[p] != FDelimiter &&
                   (FStrictDelimiter || !IsBlankOrControl(text[p])))
                ++p;
            item.assign(text.substr(start, p - start));
        }
        Add(item);
        skipBlanks();
        if (p < size && text[p] == FDelimiter) {
            if (p + 1 >= size || text[p + 1] == '\0')
                Add(std::string());
            ++p;
            skipBlanks();
        }
    }
    EndUpdate();
}

std::string TStrings::CommaText() const { return JoinDelimited(',', '"', false); }

void TStrings::SetCommaText(std::string_view text)
{
    const char delimiter = FDelimiter, quote = FQuoteChar;
    const bool strict = FStrictDelimiter;
    FDelimiter = ',';
    FQuoteChar = '"';
    FStrictDelimiter = false;
    try {
        SetDelimitedText(text);
    } catch (...) {
        FDelimiter = delimiter;
        FQuoteChar = quote;
        FStrictDelimiter = strict;
        throw;
    }
    FDelimiter = delimiter;
    FQuoteChar = quote;
    FStrictDelimiter = strict;
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount == 0)
        SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    --FUpdateCount;
    if (FUpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::LoadFromFile(const std::string& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TStrings::LoadFromStream(TStream& stream)
{
    const long long size = stream.Size() - stream.Position();
    std::string bytes(static_cast<std::size_t>(std::max(0LL, size)), '\0');
    if (!bytes.empty())
        stream.ReadBuffer(bytes.data(), static_cast<long long>(bytes.size()));
    TTextEncoding detected = TTextEncoding::teAnsi;
    const std::string text = DecodeText(bytes, &detected);
    FEncoding = detected;
    SetText(text);
}

void TStrings::SaveToFile(const std::string& fileName) const { SaveToFile(fileName, FEncoding); }

void TStrings::SaveToFile(const std::string& fileName, TTextEncoding encoding) const
{
    // The text is built before the file is created, so a failing list leaves
    // an existing file untouched.
    const std::string bytes = EncodeText(Text(), encoding);
    TFileStream file(fileName, fmCreate);
    file.WriteBuffer(bytes.data(), static_cast<long long>(bytes.size()));
    file.Commit();
}

void TStrings::SaveToStream(TStream& stream) const { SaveToStream(stream, FEncoding); }

void TStrings::SaveToStream(TStream& stream, TTextEncoding encoding) const
{
    const std::string bytes = EncodeText(Text(), encoding);
    stream.WriteBuffer(bytes.data(), static_cast<long long>(bytes.size()));
}

void TStrings::Assign(const TPersistent* source)
{
    const auto* strings = dynamic_cast<const TStrings*>(source);
    if (strings == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (strings == this)
        return;
    BeginUpdate();
    FNameValueSeparator = strings->FNameValueSeparator;
    FDelimiter = strings->FDelimiter;
    FQuoteChar = strings->FQuoteChar;
    FStrictDelimiter = strings->FStrictDelimiter;
    FLineBreak = strings->FLineBreak;
    FTrailingLineBreak = strings->FTrailingLineBreak;
    Clear();
    AddStrings(*strings);
    EndUpdate();
}

bool TStrings::Equals(const TStrings& other) const
{
    if (GetCount() != other.GetCount())
        return false;
    for (int i = 0; i < GetCount(); ++i)
        if (Get(i) != other.Get(i))
            return false;
    return true;
}

void TStrings::SetUpdateState(bool /*updating*/) {}

int TStrings::CompareStrings(const std::string& a, const std::string& b) const { return AnsiCompareText(a, b); }

void TStrings::CheckIndex(int index, int limit) const
{
    if (index < 0 || index >= limit)
        RaiseStringListIndexError(index);
}

// ===== TStringList

TStringList::~TStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    if (FOwnsObjects)
        for (TStringItem& item : FList)
            delete item.FObject;
}

std::string TStringList::Get(int index) const
{
    CheckIndex(index, GetCount());
    return FList[static_cast<std::size_t>(index)].FString;
}

void TStringList::Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const std::string& s, TObject* object)
{
    if (FSorted)
        throw EStringListError("Operation not allowed on sorted list");
    CheckIndex(index, GetCount() + 1);
    InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object)
{
    Changing();
    FList.insert(FList.begin() + index, TStringItem{s, object});
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index, GetCount());
    Changing();
    TObject* object = FList[static_cast<std::size_t>(index)].FObject;
    FList.erase(FList.begin() + index);
    if (FOwnsObjects)
        delete object;
    Changed();
}

void TStringList::Clear()
{
    if (FList.empty())
        return;
    Changing();
    std::vector<TStringItem> old;
    old.swap(FList);
    if (FOwnsObjects)
        for (TStringItem& item : old)
            delete item.FObject;
    Changed();
}

TObject* TStringList::GetObject(int index) const
{
    CheckIndex(index, GetCount());
    return FList[static_cast<std::size_t>(index)].FObject;
}

void TStringList::PutObject(int index, TObject* object)
{
    CheckIndex(index, GetCount());
    Changing();
    FList[static_cast<std::size_t>(index)].FObject = object;
    Changed();
}

void TStringList::Put(int index, const std::string& s)
{
    if (FSorted)
        throw EStringListError("Operation not allowed on sorted list");
    CheckIndex(index, GetCount());
    Changing();
    FList[static_cast<std::size_t>(index)].FString = s;
    Changed();
}

int TStringList::Add(const std::string& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const std::string& s, TObject* object)
{
    int index = GetCount();
    if (FSorted) {
        if (Find(s, index)) {
            if (FDuplicates == dupIgnore)
                return index;
            if (FDuplicates == dupError)
                throw EStringListError("String list does not allow duplicates");
            // dupAccept: after the equal lines, so equal lines keep the order
            // in which they were added.
            while (index < GetCount() && CompareStrings(FList[static_cast<std::size_t>(index)].FString, s) == 0)
                ++index;
        }
    }
    InsertItem(index, s, object);
    return index;
}

void TStringList::Exchange(int index1, int index2)
{
    if (FSorted)
        throw EStringListError("Operation not allowed on sorted list");
    CheckIndex(index1, GetCount());
    CheckIndex(index2, GetCount());
    Changing();
    std::swap(FList[static_cast<std::size_t>(index1)], FList[static_cast<std::size_t>(index2)]);
    Changed();
}

void TStringList::Move(int curIndex, int newIndex)
{
    if (FSorted)
        throw EStringListError("Operation not allowed on sorted list");
    if (curIndex == newIndex)
        return;
    CheckIndex(curIndex, GetCount());
    CheckIndex(newIndex, GetCount());
    Changing();
    TStringItem item = std::move(FList[static_cast<std::size_t>(curIndex)]);
    FList.erase(FList.begin() + curIndex);
    FList.insert(FList.begin() + newIndex, std::move(item));
    Changed();
}

int TStringList::IndexOf(const std::string& s) const
{
    if (!FSorted) {
        for (std::size_t i = 0; i < FList.size(); ++i)
            if (CompareStrings(FList[i].FString, s) == 0)
                return static_cast<int>(i);
        return -1;
    }
    int index;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(const std::string& s, int& index) const
{
    int low = 0, high = GetCount() - 1;
    bool found = false;
    while (low <= high) {
        const int mid = low + (high - low) / 2;
        const int c = CompareStrings(FList[static_cast<std::size_t>(mid)].FString, s);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0)
                found = true;
        }
    }
    index = low;
    return found;
}

void TStringList::Sort()
{
    if (GetCount() < 2)
        return;
    Changing();
    std::stable_sort(FList.begin(), FList.end(), [this](const TStringItem& a, const TStringItem& b) {
        return CompareStrings(a.FString, b.FString) < 0;
    });
    Changed();
}

void TStringList::CustomSort(const TStringListSortCompare& compare)
{
    if (GetCount() < 2)
        return;
    Changing();
    // Sort an index permutation (the comparison takes indices into the list as
    // it stands), then apply it.
    std::vector<int> order(FList.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<TStringItem> sorted;
    sorted.reserve(FList.size());
    for (int i : order)
        sorted.push_back(std::move(FList[static_cast<std::size_t>(i)]));
    FList.swap(sorted);
    Changed();
}

void TStringList::SetSorted(bool value)
{
    if (FSorted == value)
        return;
    if (value)
        Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value)
{
    if (FCaseSensitive == value)
        return;
    FCaseSensitive = value;
    if (FSorted) {
        FSorted = false;
        Sort();
        FSorted = true;
    }
}

void TStringList::SetCapacity(int capacity)
{
    if (capacity > GetCount())
        FList.reserve(static_cast<std::size_t>(capacity));
}

void TStringList::SetUpdateState(bool updating)
{
    if (updating)
        Changing();
    else
        Changed();
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const
{
    return FCaseSensitive ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

}  // namespace rtl
