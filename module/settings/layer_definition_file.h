// The layer definition file: the system folder's STD\TrevanLayer.dat, one layer kind a row
// "KIND,caption,layer,colour,linetype,lineweight,reserve". Inside the module only; the
// readers are in layer_definitions.h.
#pragma once

#include <cstdio>

#include "zrx.h"

// What a definition row says; also the answer when no row matches.
struct TrevanLayerDefinition {
    CString m_strCaption;
    CString m_strLayer = "0";
    int m_nColor = 7;
    CString m_strLinetype = "CONTINUOUS";
    int m_nLineWeight = -3;  // the drawing's default line weight
};

enum class TrevanLayerFileStatus { kOpen, kNoSystemFolder, kNotFound, kInUse };

// Opens the file for reading (made writable first, as the product's files are kept). A
// missing system folder and a file another application holds are reported on the command
// line; a missing file is not. Null unless kOpen.
FILE* TrevanCom_OpenLayerDefinitionFile(TrevanLayerFileStatus& status);

// The next row cut at its commas (one enclosing pair of quotes dropped from each field);
// false at the end of the file.
bool TrevanCom_ReadLayerRow(FILE* fp, CStringArray& fields);

// A row of exactly seven fields as a definition; false for any other row.
bool TrevanCom_ParseLayerRow(const CStringArray& fields, TrevanLayerDefinition& def);
