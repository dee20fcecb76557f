#include "stiffener/mate_file.h"

#include <cstdio>

#include "settings/folder_watch.h"

namespace {

struct KeptMateFile {
    CString path;
    CTrevanFolderWatch watch;
    std::shared_ptr<const std::string> text;
};

// One installation has one label file: the last one read is kept.
KeptMateFile& kept()
{
    static KeptMateFile file;
    return file;
}

std::shared_ptr<const std::string> readText(const char* path)
{
    FILE* fp = fopen(path, "r");
    if (fp == nullptr) return nullptr;
    auto text = std::make_shared<std::string>();
    char buf[4096];
    size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, fp)) > 0) text->append(buf, n);
    std::fclose(fp);
    return text;
}

}  // namespace

std::shared_ptr<const std::string> TrevanCom_ReadMateFile(const CString& path)
{
    KeptMateFile& file = kept();
    const bool samePath = file.path.Compare(path) == 0;
    if (samePath && file.watch.quiet()) return file.text;
    if (samePath && file.watch.valid()) {
        file.watch.rearm();
    } else {
        file.path = path;
        file.watch = CTrevanFolderWatch(path);
    }
    file.text = readText(path);
    return file.text;
}
