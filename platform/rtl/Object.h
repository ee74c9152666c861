// Root classes of the object model: TObject and TPersistent.
#pragma once

#include <string>

namespace rtl {

// Root of every class that lives in lists' object slots, grids' cells and
// component trees; deleting through a TObject* is always safe.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
    virtual ~TObject() = default;

    // Name of the most derived class, as the class library reports it.
    virtual std::string ClassName() const { return "TObject"; }
};

// An object that can copy its state from another through Assign. The default
// Assign fails with the class library's message "Cannot assign a %s to a %s".
class TPersistent : public TObject {
public:
    virtual void Assign(const TPersistent* source);
    std::string ClassName() const override { return "TPersistent"; }

protected:
    // Lets the target handle the copy when the source does not know it.
    virtual void AssignTo(TPersistent* dest) const;
};

}  // namespace rtl
