// The label file is kept between labels, yet a label always follows the file on the disk:
// saved atomically, its folder renamed and made anew, another data folder named.
#include <gtest/gtest.h>

#include <filesystem>

#include "TrevanCom2002.h"
#include "install_fixture.h"

namespace {

namespace fs = std::filesystem;

class StiffLabelFile : public ::testing::Test {
protected:
    static CString flatBar() { return TrevanCom_MakeStiffText("FB", 150, 12, 0, 0, 0, 0); }
    SampleInstall install;
};

TEST_F(StiffLabelFile, AFileSavedAtomicallyOverTheOldOneIsRead)
{
    install.put("TREVAN/DATA/MST/TREVANMATE.DAT", "FB,FB,1,x,2\n");
    EXPECT_EQ(flatBar(), "FB150x12");
    auto temp = install.put("TREVAN/DATA/MST/TREVANMATE.NEW", "FB,PL,1,*,2\n");
    fs::rename(temp, install.at("TREVAN/DATA/MST/TREVANMATE.DAT"));
    EXPECT_EQ(flatBar(), "PL150*12");
}

TEST_F(StiffLabelFile, ADataFolderRenamedAndMadeAnewIsReadFromTheNewOne)
{
    install.put("TREVAN/DATA/MST/TREVANMATE.DAT", "FB,FB,1,x,2\n");
    EXPECT_EQ(flatBar(), "FB150x12");
    fs::rename(install.at("TREVAN/DATA"), install.at("TREVAN/DATA.old"));
    EXPECT_EQ(flatBar(), "");
    install.put("TREVAN/DATA/Mst/TREVANMATE.DAT", "FB,F,1,-,2\n");
    EXPECT_EQ(flatBar(), "F150-12");
}

TEST_F(StiffLabelFile, AnotherDataFolderInTheFolderFileIsReadAtOnce)
{
    install.put("TREVAN/DATA/MST/TREVANMATE.DAT", "FB,FB,1,x,2\n");
    install.put("YARD2/MST/TREVANMATE.DAT", "FB,FLAT,1,x,2\n");
    EXPECT_EQ(flatBar(), "FB150x12");
    ASSERT_TRUE(WritePrivateProfileStringA("DIR", "TrevanAcadDATADir", "C:\\YARD2", "C:\\WINDOWS\\TrevanAcad.ini"));
    EXPECT_EQ(flatBar(), "FLAT150x12");
    ASSERT_TRUE(WritePrivateProfileStringA("DIR", "TrevanAcadDATADir", "C:\\TREVAN\\DATA", "C:\\WINDOWS\\TrevanAcad.ini"));
    EXPECT_EQ(flatBar(), "FB150x12");
}

}  // namespace
