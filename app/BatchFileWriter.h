// Saves the files of a multi-file writer one by one, counting them so an error says how many came before it.
#pragma once

#include <string>

namespace app {

class TModelFileLayout;

// A batch writer (the 1104 run-control or soil files, the crop-model files)
// saves each file through Save. When a save fails, the user learns which file
// failed (the error names it) and how many files of the batch were written
// before it, all of them complete: the error's message gets
// "; N of M files were written before it" and is raised again as the same
// class.
class TBatchFileWriter {
public:
    // `total` is the number of files the batch will write.
    explicit TBatchFileWriter(int total) : FTotal(total) {}

    void Save(const TModelFileLayout& layout, const std::string& fileName);

    int Written() const { return FWritten; }

private:
    int FTotal;
    int FWritten = 0;
};

}  // namespace app
