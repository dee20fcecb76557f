// Stiffener records on entities: a fresh drawing on a copy of the sample installation's
// drive C:, with the command line captured and LISP at hand for the adapters.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "QorComStd2002.h"
#include "TrevanCom2002.h"
#include "lisp_call_fixture.h"
#include "zrxhost/drive_map.h"
#include "zrxhost/session.h"

class StiffPersistTest : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        char pattern[] = "/tmp/trevan-stiff-XXXXXX";
        root = mkdtemp(pattern);
        std::filesystem::copy(std::string(TREVAN_SAMPLE_INSTALL) + "/drive_c", root, std::filesystem::copy_options::recursive);
        zrxhost::clearDrives();
        zrxhost::setDrive('C', root.string());
        setenv("windir", "C:\\WINDOWS", 1);
    }
    void TearDown() override
    {
        zrxhost::clearDrives();
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
        LispCallTest::TearDown();
    }

    // A definition file of the copied installation, by its Windows path.
    static std::string stdFile(const char* file) { return std::string("C:\\TREVAN\\SYSTEM\\STD\\") + file; }
    // Replaces a file of the copied STD folder.
    void putStd(const char* file, const std::string& text)
    {
        std::ofstream(root / "TREVAN/SYSTEM/STD" / file, std::ios::binary) << text;
    }
    // The installation loses its folder file: the system folder is no longer known.
    void forgetSystemFolder() { std::filesystem::remove(root / "WINDOWS/TrevanAcad.ini"); }

    // Stores a typed list as the entity's "STIFF" xdata through the sibling library.
    void plant(ZcDbObjectId id, resbuf* list, const char* entFile)
    {
        ASSERT_TRUE(QorComARX_Setxdata_List(id, "STIFF", list, stdFile(entFile).c_str()));
        zcutRelRb(list);
    }

    // A record with every one of the 27 stored fields away from its default.
    static CStiffData sample()
    {
        CStiffData s;
        s.m_strType = "STIFF";
        s.m_strFType = "LONG_A";
        s.m_strName = "L-150x90x9";
        s.m_strCode = "A150909";
        s.m_rWebWidth = 150.0;
        s.m_rWebThick = 9.0;
        s.m_rFaceWidth = 90.0;
        s.m_rFaceThck = 9.5;
        s.m_rCornerR1 = 12.0;
        s.m_rCornerR2 = 6.0;
        s.m_strEndTypeS = "SN1";
        s.m_strEndTypeE = "C2";
        s.m_strNewRes1 = "2A,2B";
        s.m_strItanige = "L,R";
        s.m_strRes1 = "外板";
        s.m_strRes2 = "X,15.0000";
        s.m_nRes1 = 12;
        s.m_nRes2 = -7;
        s.m_rRes1 = 1.25;
        s.m_rRes2 = -2.5;
        s.m_strMaterial = "AH36";
        s.m_rWeight = 18.375;
        s.m_strNewRes2 = "FR120";
        s.m_nNewRes1 = 300;
        s.m_nNewRes2 = -32768;
        s.m_rNewRes1 = 0.125;
        s.m_rNewRes2 = 1.0e6;
        return s;
    }

    // The 27 fields the xdata carries (everything but end points, arrow size and normal).
    static void expectSameStored(const CStiffData& a, const CStiffData& b)
    {
        EXPECT_EQ(a.m_strType, b.m_strType);
        EXPECT_EQ(a.m_strFType, b.m_strFType);
        EXPECT_EQ(a.m_strName, b.m_strName);
        EXPECT_EQ(a.m_strCode, b.m_strCode);
        EXPECT_EQ(a.m_rWebWidth, b.m_rWebWidth);
        EXPECT_EQ(a.m_rWebThick, b.m_rWebThick);
        EXPECT_EQ(a.m_rFaceWidth, b.m_rFaceWidth);
        EXPECT_EQ(a.m_rFaceThck, b.m_rFaceThck);
        EXPECT_EQ(a.m_rCornerR1, b.m_rCornerR1);
        EXPECT_EQ(a.m_rCornerR2, b.m_rCornerR2);
        EXPECT_EQ(a.m_strEndTypeS, b.m_strEndTypeS);
        EXPECT_EQ(a.m_strEndTypeE, b.m_strEndTypeE);
        EXPECT_EQ(a.m_strItanige, b.m_strItanige);
        EXPECT_EQ(a.m_strRes1, b.m_strRes1);
        EXPECT_EQ(a.m_strRes2, b.m_strRes2);
        EXPECT_EQ(a.m_nRes1, b.m_nRes1);
        EXPECT_EQ(a.m_nRes2, b.m_nRes2);
        EXPECT_EQ(a.m_rRes1, b.m_rRes1);
        EXPECT_EQ(a.m_rRes2, b.m_rRes2);
        EXPECT_EQ(a.m_strMaterial, b.m_strMaterial);
        EXPECT_EQ(a.m_rWeight, b.m_rWeight);
        EXPECT_EQ(a.m_strNewRes1, b.m_strNewRes1);
        EXPECT_EQ(a.m_strNewRes2, b.m_strNewRes2);
        EXPECT_EQ(a.m_nNewRes1, b.m_nNewRes1);
        EXPECT_EQ(a.m_nNewRes2, b.m_nNewRes2);
        EXPECT_EQ(a.m_rNewRes1, b.m_rNewRes1);
        EXPECT_EQ(a.m_rNewRes2, b.m_rNewRes2);
    }

    // Reads the entity's record into a fresh one; fails the test when it cannot.
    CStiffData readBack(ZcDbObjectId id)
    {
        CStiffData out;
        EXPECT_TRUE(TrevanComARX_GetStiffdata(id, out));
        return out;
    }

    std::filesystem::path root;
};
