// The folder browser: opened on the caller's folder, answered by the user.
#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

class FolderBrowser : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        std::filesystem::create_directories(c.at("DWG/S2185"));
        std::filesystem::create_directories(c.at("DXF"));
    }
    TempDriveC c;
};

TEST_F(FolderBrowser, ConfirmingTakesTheInitialFolder)
{
    answer({""});
    CString folder = "unchanged";
    EXPECT_EQ(TrevanComARX_SelectFolderDialog(nullptr, "変換元DWGフォルダを選択", "C:\\DWG\\S2185", folder), 1);
    EXPECT_EQ(folder, "C:\\DWG\\S2185");
    EXPECT_NE(transcript().find("変換元DWGフォルダを選択"), std::string::npos);
}

TEST_F(FolderBrowser, CancellingLeavesTheFolderAlone)
{
    answer({"*cancel*"});
    CString folder = "C:\\DWG";
    EXPECT_EQ(TrevanComARX_SelectFolderDialog(nullptr, "title", "", folder), 0);
    EXPECT_EQ(folder, "C:\\DWG");
}

}  // namespace
