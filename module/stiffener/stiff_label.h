// The size label of a stiffener ("FB150x12.5", "L100x75x7"), composed from its section type
// and dimensions by the rows of the data folder's Mst\TREVANMATE.DAT.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// A "LONG_" prefix of the section type is dropped; type "A" takes the row "A1" when face
// width and web thickness print alike, else "A2", with fields 2 and 3 exchanged. Empty
// when the data folder, the file or a matching row is missing.
TREVANCOM_API CString TrevanCom_MakeStiffText(const CString& strFType, const double& rWebWidth,
                                              const double& rWebThick, const double& rFaceWidth,
                                              const double& rFaceThck, const double& rCornerR1,
                                              const double& rCornerR2);
// The label of the stiffener record stored on the entity under the application (for
// example "STIFF"); empty when the entity cannot be opened or carries no record.
TREVANCOM_API CString TrevanCom_MakeStiffText(ZcDbObjectId objId, const CString& strAppName);
