// Error statuses and the small enumerations of the drawing database.
#pragma once

#include <cstdint>

#include "zrx_export.h"

namespace Zcad {
enum ErrorStatus {
    eOk = 0,
    eNotImplementedYet,
    eNotApplicable,
    eInvalidInput,
    eOutOfMemory,
    eBufferTooSmall,
    eInvalidOpenState,
    eHandleExists,
    eNullHandle,
    eUnknownHandle,
    eNullObjectPointer,
    eNullObjectId,
    eNullEntityPointer,
    eIllegalEntityType,
    eKeyNotFound,
    eDuplicateKey,
    eInvalidIndex,
    eAlreadyInDb,
    eNegativeValue,
    eInvalidExtents,
    eInvalidAdsName,
    eInvalidSymbolTableName,
    eInvalidKey,
    eWrongObjectType,
    eWrongDatabase,
    eNotInDatabase,
    eNoDatabase,
    eNotOpenForRead,
    eNotOpenForWrite,
    eNotThatKindOfClass,
    eInvalidBlockName,
    eInvalidResBuf,
    eBadDxfSequence,
    eFilerError,
    eFileNotFound,
    eFileAccessErr,
    eWasErased,
    ePermanentlyErased,
    eWasOpenForRead,
    eWasOpenForWrite,
    eOnLockedLayer,
    eAtMaxReaders,
    eHadMultipleReaders,
    eDuplicateRecordName,
    eSelfReference,
    eDegenerateGeometry,
    eCannotBeErasedByCaller,
    eNotAnEntity,
    eLockViolation,
    eRegappIdNotFound,
    eXdataSizeExceeded,
    eInvalidDxfCode,
    eNoDocument,
    eCommandWasInProgress,
    eInvalidContext,
    eGeneralModelingFailure,
};
}

// Human-readable name of a status, as the platform's error text function gives it.
ZRX_API const char* zcadErrorStatusText(Zcad::ErrorStatus es);

namespace ZcDb {
enum OpenMode { kNotOpen = -1, kForRead = 0, kForWrite = 1, kForNotify = 2 };
enum Visibility { kVisible = 0, kInvisible = 1 };
enum Intersect { kOnBothOperands = 0, kExtendThis = 1, kExtendArg = 2, kExtendBoth = 3 };
// What copying between drawings does with a record whose name the target has already.
enum DuplicateRecordCloning {
    kDrcNotApplicable = 0,
    kDrcIgnore = 1,
    kDrcReplace = 2,
    kDrcXrefMangleName = 3,
    kDrcMangleName = 4,
    kDrcUnmangleName = 5
};
enum LineWeight {
    kLnWt000 = 0, kLnWt005 = 5, kLnWt009 = 9, kLnWt013 = 13, kLnWt015 = 15, kLnWt018 = 18,
    kLnWt020 = 20, kLnWt025 = 25, kLnWt030 = 30, kLnWt035 = 35, kLnWt040 = 40, kLnWt050 = 50,
    kLnWt053 = 53, kLnWt060 = 60, kLnWt070 = 70, kLnWt080 = 80, kLnWt090 = 90, kLnWt100 = 100,
    kLnWt106 = 106, kLnWt120 = 120, kLnWt140 = 140, kLnWt158 = 158, kLnWt200 = 200, kLnWt211 = 211,
    kLnWtByLayer = -1, kLnWtByBlock = -2, kLnWtByLwDefault = -3
};
enum TextHorzMode { kTextLeft = 0, kTextCenter = 1, kTextRight = 2, kTextAlign = 3, kTextMid = 4, kTextFit = 5 };
enum TextVertMode { kTextBase = 0, kTextBottom = 1, kTextVertMid = 2, kTextTop = 3 };
}

namespace Zdesk {
typedef int8_t Int8;
typedef int16_t Int16;
typedef int32_t Int32;
typedef int64_t Int64;
typedef uint8_t UInt8;
typedef uint16_t UInt16;
typedef uint32_t UInt32;
typedef uint64_t UInt64;
typedef bool Boolean;
typedef int64_t GsMarker;
typedef int64_t IntDbId;
constexpr bool kTrue = true;
constexpr bool kFalse = false;
}
