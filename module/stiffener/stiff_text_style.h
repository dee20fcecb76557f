// The text style and height a stiffener's texts are made with: those of a text it already
// has, else the command defaults of the text settings, else "STANDARD" and TEXTSIZE.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The links between a stiffener and its texts, each a handle name under its own application:
// on the stiffener, and on the text back to it.
#define TREVANCOM_STEXT_LINK "STIFF_STEXT_HDNAME"
#define TREVANCOM_ETEXT_LINK "STIFF_ETEXT_HDNAME"
#define TREVANCOM_NAMETEXT_LINK "STIFF_NAMETEXT_HDNAME"
#define TREVANCOM_STEXT_BACKLINK "STIFF_SupportDraw_TextS"
#define TREVANCOM_ETEXT_BACKLINK "STIFF_SupportDraw_TextE"
#define TREVANCOM_NAMETEXT_BACKLINK "STIFF_SupportDraw_NameText"

// Style name and height of the text the handle names; false when it names no text or its
// style cannot be read.
TREVANCOM_API bool TrevanComARX_GetTextSTyleHeight(CString strHandle, CString& strStyle, double& rHeight);
// End texts: the linked start text, else the end text, else the defaults.
TREVANCOM_API void TrevanComARX_GetStiffEndTypeStyle(const ZcDbEntity* pEnt, CString& strStyle, double& rHeight);
TREVANCOM_API void TrevanComARX_GetStiffEndTypeStyle(const ZcDbObjectId& stiffId, CString& strStyle, double& rHeight);
// Name text: the linked name text, else the defaults.
TREVANCOM_API void TrevanComARX_GetStiffNameStyle(const ZcDbEntity* pEnt, CString& strStyle, double& rHeight);
TREVANCOM_API void TrevanComARX_GetStiffNameStyle(const ZcDbObjectId& stiffId, CString& strStyle, double& rHeight);

// The command defaults of one text setting (section and keys): the style, "STANDARD" when
// missing or empty; the height, TEXTSIZE unless the size key holds a number above 0.
void TrevanCom_DefaultTextStyle(const char* section, const char* styleKey, const char* sizeKey, CString& strStyle,
                                double& rHeight);

// The section the text-type dialog keeps its defaults under (its leading blank is part of it).
#define TREVANCOM_TEXTTYPE_SECTION " TrevanDclARX_DclStiffTextType_TrevanDcl2002ArxFunc"
