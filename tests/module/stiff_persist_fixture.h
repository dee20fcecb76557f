// Stiffener records on entities: a fresh drawing on a copy of the sample installation, with
// the command line captured and LISP at hand for the adapters.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "QorComStd2002.h"
#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"

class StiffPersistTest : public LispCallTest {
protected:
    // Stores a typed list as the entity's "STIFF" xdata through the sibling library.
    void plant(ZcDbObjectId id, resbuf* list, const char* entFile)
    {
        bool written = QorComARX_Setxdata_List(id, "STIFF", list, stdFile(entFile).c_str());
        zcutRelRb(list);
        ASSERT_TRUE(written);
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

    // The 27 fields the xdata carries (everything but end points, arrow size and normal),
    // as text, for comparing records whole.
    static std::vector<std::string> stored(const CStiffData& s)
    {
        std::vector<std::string> out;
        for (const CString* text : {&s.m_strType, &s.m_strFType, &s.m_strName, &s.m_strCode, &s.m_strEndTypeS,
                                    &s.m_strEndTypeE, &s.m_strNewRes1, &s.m_strItanige, &s.m_strRes1, &s.m_strRes2,
                                    &s.m_strMaterial, &s.m_strNewRes2})
            out.emplace_back(text->GetString());
        for (double real : {s.m_rWebWidth, s.m_rWebThick, s.m_rFaceWidth, s.m_rFaceThck, s.m_rCornerR1, s.m_rCornerR2,
                            s.m_rRes1, s.m_rRes2, s.m_rWeight, s.m_rNewRes1, s.m_rNewRes2}) {
            std::ostringstream r;
            r.precision(17);
            r << real;
            out.push_back(r.str());
        }
        for (int n : {s.m_nRes1, s.m_nRes2, s.m_nNewRes1, s.m_nNewRes2}) out.push_back(std::to_string(n));
        return out;
    }

    // Reads the entity's record into a fresh one; fails the test when it cannot.
    CStiffData readBack(ZcDbObjectId id)
    {
        CStiffData out;
        EXPECT_TRUE(TrevanComARX_GetStiffdata(id, out));
        return out;
    }

    SampleInstall install;
};
