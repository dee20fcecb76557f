// Names of error statuses, as the platform prints them.
#include "db_status.h"

const char* zcadErrorStatusText(Zcad::ErrorStatus es)
{
    switch (es) {
    case Zcad::eOk: return "eOk";
    case Zcad::eNotImplementedYet: return "eNotImplementedYet";
    case Zcad::eNotApplicable: return "eNotApplicable";
    case Zcad::eInvalidInput: return "eInvalidInput";
    case Zcad::eOutOfMemory: return "eOutOfMemory";
    case Zcad::eBufferTooSmall: return "eBufferTooSmall";
    case Zcad::eInvalidOpenState: return "eInvalidOpenState";
    case Zcad::eHandleExists: return "eHandleExists";
    case Zcad::eNullHandle: return "eNullHandle";
    case Zcad::eUnknownHandle: return "eUnknownHandle";
    case Zcad::eNullObjectPointer: return "eNullObjectPointer";
    case Zcad::eNullObjectId: return "eNullObjectId";
    case Zcad::eNullEntityPointer: return "eNullEntityPointer";
    case Zcad::eIllegalEntityType: return "eIllegalEntityType";
    case Zcad::eKeyNotFound: return "eKeyNotFound";
    case Zcad::eDuplicateKey: return "eDuplicateKey";
    case Zcad::eInvalidIndex: return "eInvalidIndex";
    case Zcad::eAlreadyInDb: return "eAlreadyInDb";
    case Zcad::eNegativeValue: return "eNegativeValue";
    case Zcad::eInvalidExtents: return "eInvalidExtents";
    case Zcad::eInvalidAdsName: return "eInvalidAdsName";
    case Zcad::eInvalidSymbolTableName: return "eInvalidSymbolTableName";
    case Zcad::eInvalidKey: return "eInvalidKey";
    case Zcad::eWrongObjectType: return "eWrongObjectType";
    case Zcad::eWrongDatabase: return "eWrongDatabase";
    case Zcad::eNotInDatabase: return "eNotInDatabase";
    case Zcad::eNoDatabase: return "eNoDatabase";
    case Zcad::eNotOpenForRead: return "eNotOpenForRead";
    case Zcad::eNotOpenForWrite: return "eNotOpenForWrite";
    case Zcad::eNotThatKindOfClass: return "eNotThatKindOfClass";
    case Zcad::eInvalidBlockName: return "eInvalidBlockName";
    case Zcad::eInvalidResBuf: return "eInvalidResBuf";
    case Zcad::eBadDxfSequence: return "eBadDxfSequence";
    case Zcad::eFilerError: return "eFilerError";
    case Zcad::eFileNotFound: return "eFileNotFound";
    case Zcad::eFileAccessErr: return "eFileAccessErr";
    case Zcad::eWasErased: return "eWasErased";
    case Zcad::ePermanentlyErased: return "ePermanentlyErased";
    case Zcad::eWasOpenForRead: return "eWasOpenForRead";
    case Zcad::eWasOpenForWrite: return "eWasOpenForWrite";
    case Zcad::eOnLockedLayer: return "eOnLockedLayer";
    case Zcad::eAtMaxReaders: return "eAtMaxReaders";
    case Zcad::eHadMultipleReaders: return "eHadMultipleReaders";
    case Zcad::eDuplicateRecordName: return "eDuplicateRecordName";
    case Zcad::eSelfReference: return "eSelfReference";
    case Zcad::eDegenerateGeometry: return "eDegenerateGeometry";
    case Zcad::eCannotBeErasedByCaller: return "eCannotBeErasedByCaller";
    case Zcad::eNotAnEntity: return "eNotAnEntity";
    case Zcad::eLockViolation: return "eLockViolation";
    case Zcad::eRegappIdNotFound: return "eRegappIdNotFound";
    case Zcad::eXdataSizeExceeded: return "eXdataSizeExceeded";
    case Zcad::eInvalidDxfCode: return "eInvalidDxfCode";
    case Zcad::eNoDocument: return "eNoDocument";
    case Zcad::eCommandWasInProgress: return "eCommandWasInProgress";
    case Zcad::eInvalidContext: return "eInvalidContext";
    case Zcad::eGeneralModelingFailure: return "eGeneralModelingFailure";
    }
    return "eUnknown";
}
