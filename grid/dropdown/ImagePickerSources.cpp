// Filling the image picker: one item per image of its image list, or per entry a path and
// name pattern find, with the picture loaded from the file.
#include <exception>

#include "grid/dropdown/ExtImagePicker.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Paths.h"

namespace grid {

namespace {

// True when the file holds a picture; a folder, a missing or unreadable file and bad data
// leave the picture empty. The name is the program's (Windows-style, below the current
// directory), mapped here because the picture loader opens names as they stand.
bool LoadPicture(gfx::TPicture& picture, const std::string& fileName)
{
    const std::string mapped = rtl::MapPath(fileName);
    if (rtl::DirectoryExists(mapped)) return false;
    try {
        picture.LoadFromFile(mapped);
    } catch (const std::exception&) {
        picture.SetGraphic(nullptr);
        return false;
    }
    if (!picture.Empty()) return true;
    picture.SetGraphic(nullptr);
    return false;
}

}  // namespace

void TExtImagePickerDropDown::AddImagesFromImageList()
{
    gfx::TImageList* images = Images();
    if (images == nullptr) return;
    for (int i = 0; i < images->Count(); ++i) FItems->Add()->SetImageIndex(i);
}

void TExtImagePickerDropDown::AddImagesFromFolder(const std::string& AFolder, bool SetImageCaption)
{
    const std::string path = rtl::ExtractFilePath(AFolder);
    for (const std::string& name : rtl::FindFiles(AFolder, rtl::TFindKind::fkAll)) {
        TImageItem* item = FItems->Add();
        if (LoadPicture(item->Image(), path + name) && SetImageCaption) item->StoreCaption(name);
    }
}

}  // namespace grid
