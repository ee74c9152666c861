// String lists: the abstract TStrings and the stored, sortable TStringList.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/Object.h"

namespace rtl {

class TStream;

// Event without parameters besides its sender.
using TNotifyEvent = std::function<void(TObject* sender)>;

enum TDuplicates { dupIgnore, dupAccept, dupError };

// Abstract list of strings, each with an object slot. A descendant stores the
// lines (a string list, a grid's row or column, a memo's lines) and implements
// the core: Get, GetCount, Insert, Delete, Clear, and, when it keeps objects,
// GetObject/PutObject. Everything else (texts, names and values, delimited
// forms, files, streams) is built on that core here.
//
// Indices run from 0; a bad index raises EStringListError "List index out of
// bounds (%d)". Names/values use NameValueSeparator ("="); Text joins lines
// with LineBreak (CR LF) after every line; DelimitedText and CommaText follow
// the class library's quoting rules described at SetDelimitedText.
class TStrings : public TPersistent {
public:
    TStrings() = default;
    ~TStrings() override = default;
    std::string ClassName() const override { return "TStrings"; }

    // --- Core every descendant implements
    virtual std::string Get(int index) const = 0;
    virtual int GetCount() const = 0;
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    // Object slots: default none (GetObject gives nullptr, PutObject ignores).
    virtual TObject* GetObject(int index) const;
    virtual void PutObject(int index, TObject* object);
    // Replaces a line keeping its object (default: delete and insert again).
    virtual void Put(int index, const std::string& s);

    // --- Adding and moving
    virtual int Add(const std::string& s);
    virtual int AddObject(const std::string& s, TObject* object);
    virtual void InsertObject(int index, const std::string& s, TObject* object);
    // Adds "name=value" (with NameValueSeparator); returns the index.
    int AddPair(const std::string& name, const std::string& value);
    void Append(const std::string& s) { Add(s); }
    // Adds every line (with its object) of `strings`.
    virtual void AddStrings(const TStrings& strings);
    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);

    // --- Access
    int Count() const { return GetCount(); }
    std::string Strings(int index) const { return Get(index); }
    void SetStrings(int index, const std::string& s) { Put(index, s); }
    std::string operator[](int index) const { return Get(index); }
    TObject* Objects(int index) const { return GetObject(index); }
    void SetObjects(int index, TObject* object) { PutObject(index, object); }

    // --- Search (comparison through CompareStrings)
    virtual int IndexOf(const std::string& s) const;
    virtual int IndexOfName(const std::string& name) const;
    virtual int IndexOfObject(const TObject* object) const;

    // --- Names and values
    // Name part of line `index` ("" when the line has no separator).
    std::string Names(int index) const;
    // Value of the first line named `name`; "" when none.
    std::string Values(const std::string& name) const;
    // Sets the value of `name` (adds "name=value" when absent); an empty value
    // deletes the line.
    void SetValues(const std::string& name, const std::string& value);
    // Part after the first separator of line `index` ("" when it has none).
    std::string ValueFromIndex(int index) const;
    void SetValueFromIndex(int index, const std::string& value);
    char NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char separator) { FNameValueSeparator = separator; }

    // --- Whole-list texts
    // Every line followed by LineBreak (TrailingLineBreak off: not after the last).
    virtual std::string Text() const;
    // Splits at CR LF, LF or a lone CR (a final line break adds no empty line).
    virtual void SetText(std::string_view text);
    const std::string& LineBreak() const { return FLineBreak; }
    void SetLineBreak(std::string lineBreak) { FLineBreak = std::move(lineBreak); }
    bool TrailingLineBreak() const { return FTrailingLineBreak; }
    void SetTrailingLineBreak(bool value) { FTrailingLineBreak = value; }

    // Lines joined by Delimiter; a line that contains the quote character, the
    // delimiter or (unless StrictDelimiter) a character up to the blank is put
    // in QuoteChar with inner quotes doubled. A list of one empty line gives two
    // quote characters.
    std::string DelimitedText() const;
    // Clears the list and splits `text`: a line starting with QuoteChar runs to
    // the closing quote (doubled quotes stand for one); other lines run to the
    // delimiter or, unless StrictDelimiter, to a character up to the blank, so
    // blanks separate too and blanks around items are skipped; a delimiter at
    // the very end adds an empty last line.
    void SetDelimitedText(std::string_view text);
    // DelimitedText with "," and '"', never strict.
    std::string CommaText() const;
    void SetCommaText(std::string_view text);
    char Delimiter() const { return FDelimiter; }
    void SetDelimiter(char delimiter) { FDelimiter = delimiter; }
    char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char quoteChar) { FQuoteChar = quoteChar; }
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool value) { FStrictDelimiter = value; }

    // --- Update bracketing: while the count is above 0, change events wait;
    // EndUpdate of the outermost bracket reports one change.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // --- Files and streams. Reading detects a UTF-8 or UTF-16 byte-order mark
    // and otherwise reads the code page (remembered in Encoding()); saving
    // without an encoding uses Encoding(). Names go through MapPath; failures
    // raise EFOpenError / EFCreateError naming the file.
    void LoadFromFile(const std::string& fileName);
    void LoadFromStream(TStream& stream);
    void SaveToFile(const std::string& fileName) const;
    void SaveToFile(const std::string& fileName, TTextEncoding encoding) const;
    void SaveToStream(TStream& stream) const;
    void SaveToStream(TStream& stream, TTextEncoding encoding) const;
    TTextEncoding Encoding() const { return FEncoding; }
    void SetEncoding(TTextEncoding encoding) { FEncoding = encoding; }

    // --- Copying
    // Copies lines, objects and the text settings from another TStrings.
    void Assign(const TPersistent* source) override;
    // Same lines in the same order.
    bool Equals(const TStrings& other) const;

protected:
    // Called by BeginUpdate (true) and EndUpdate (false) at the outermost level.
    virtual void SetUpdateState(bool updating);
    // Comparison used by IndexOf and IndexOfName: AnsiCompareText by default.
    virtual int CompareStrings(const std::string& a, const std::string& b) const;
    void CheckIndex(int index, int limit) const;

private:
    std::string JoinDelimited(char delimiter, char quoteChar, bool strict) const;

    char FNameValueSeparator = '=';
    char FDelimiter = ',';
    char FQuoteChar = '"';
    bool FStrictDelimiter = false;
    bool FTrailingLineBreak = true;
    std::string FLineBreak = "\r\n";
    int FUpdateCount = 0;
    TTextEncoding FEncoding = TTextEncoding::teAnsi;
};

class TStringList;
using TStringListSortCompare = std::function<int(TStringList& list, int index1, int index2)>;

// A TStrings that stores its lines and objects. Sorted lists keep their lines
// in CompareStrings order (AnsiCompareText, or AnsiCompareStr when
// CaseSensitive) and find lines by binary search; Duplicates decides what
// adding an existing line does (dupError raises EStringListError "String list
// does not allow duplicates"). Insert, Put, Exchange and Move on a sorted list
// raise EStringListError "Operation not allowed on sorted list". With
// OwnsObjects the list deletes the objects of lines it deletes and its
// remaining objects when it is destroyed.
class TStringList : public TStrings {
public:
    TStringList() = default;
    explicit TStringList(bool ownsObjects) : FOwnsObjects(ownsObjects) {}
    ~TStringList() override;
    TStringList(const TStringList&) = delete;
    TStringList& operator=(const TStringList&) = delete;
    std::string ClassName() const override { return "TStringList"; }

    std::string Get(int index) const override;
    int GetCount() const override { return static_cast<int>(FList.size()); }
    void Insert(int index, const std::string& s) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void Put(int index, const std::string& s) override;
    int Add(const std::string& s) override;
    int AddObject(const std::string& s, TObject* object) override;
    void Exchange(int index1, int index2) override;
    void Move(int curIndex, int newIndex) override;
    int IndexOf(const std::string& s) const override;

    // Binary search of a sorted list: true when found, `index` the first
    // matching line or where `s` would be inserted.
    virtual bool Find(const std::string& s, int& index) const;
    virtual void Sort();
    // Sorts with a caller's comparison (stable).
    virtual void CustomSort(const TStringListSortCompare& compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool value) { FOwnsObjects = value; }
    int Capacity() const { return static_cast<int>(FList.capacity()); }
    void SetCapacity(int capacity);

    // Fired before and after every change (not while an update bracket is open;
    // EndUpdate of the outermost bracket fires them once).
    TNotifyEvent OnChanging;
    TNotifyEvent OnChange;

protected:
    void SetUpdateState(bool updating) override;
    int CompareStrings(const std::string& a, const std::string& b) const override;
    virtual void Changing();
    virtual void Changed();
    // Inserts without the sorted-list check.
    void InsertItem(int index, const std::string& s, TObject* object);

private:
    struct TStringItem {
        std::string FString;
        TObject* FObject = nullptr;
    };
    std::vector<TStringItem> FList;
    bool FSorted = false;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
    TDuplicates FDuplicates = dupIgnore;
};

}  // namespace rtl
