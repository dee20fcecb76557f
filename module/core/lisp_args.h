// The one way the module's LISP-callable exports meet LISP: their arguments read in order
// from the call's argument chain, the argument-error message of the function's kind, and
// the LISP result. Sibling modules may build their own LISP functions on it too.
//
// A typical adapter:
//
//     int TrevanComARX_SetObjLtscaleLispFunc()
//     {
//         TrevanLispArgs args;                       // or kNumbered / kSilent
//         ZcDbObjectId id;
//         double scale = 0.0;
//         if (!args.entity(id) || !args.realOrInt(scale)) return args.fail();
//         return TrevanLispArgs::retBool(setLinetypeScale(id, scale));
//     }
//
// Readers take the items strictly in order and answer false from the first item that is
// missing or of another type, or a real or point that is not finite; after that nothing
// more is read. Items the adapter does not
// read are ignored. fail() prints the message, gives nil and answers RTNORM:
//   kPlain     "\n引数エラー" whichever item failed;
//   kNumbered  "\n引数エラーN", N the 1-based place of the failed item in the chain, list
//              delimiters counting;
//   kSilent    no message.
// A call without any argument prints "\n引数エラー" whatever the kind. Every ret* helper
// answers RTNORM too, so an adapter ends with `return <helper>;`.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

class TREVANCOM_API TrevanLispArgs {
public:
    enum Errors { kPlain, kNumbered, kSilent };

    // Takes the argument chain of the call in progress (zcedGetArgs).
    explicit TrevanLispArgs(Errors errors = kPlain);
    TrevanLispArgs(const TrevanLispArgs&) = delete;
    TrevanLispArgs& operator=(const TrevanLispArgs&) = delete;

    bool empty() const { return m_pHead == nullptr; }
    // 0 until a read fails; then the 1-based place of the item that failed.
    int failedAt() const { return m_nFailedAt; }

    bool str(CString& value);
    bool real(double& value);
    bool integer(int& value);  // 16-bit, widened with its sign
    bool intAsReal(double& value);
    // A real, or failing that an integer taken as a real.
    bool realOrInt(double& value);
    // An entity name, turned into its object id; a name that leads to no object fails.
    bool entity(ZcDbObjectId& id);
    bool entName(ads_name value);
    bool pickSet(ads_name value);
    bool point(ZcGePoint3d& value);
    bool listBegin();
    bool listEnd();
    // The type of the current item; RTNONE at the end and after a failed read.
    int peekType() const { return m_nFailedAt == 0 && m_pNext ? m_pNext->restype : RTNONE; }
    // Passes over the current item, whatever its type; false at the end.
    bool skip();

    // The argument error: message of the function's kind, nil, RTNORM.
    int fail() const;

    static int retT();
    static int retNil();
    static int retBool(bool ok);
    // Nothing given back; LISP shows nil.
    static int retNone();
    static int retStr(const char* text);
    static int retInt(int value);
    // type RTENAME for an entity, RTPICKS for a selection set.
    static int retName(const ads_name name, int type = RTENAME);
    // Gives the chain as a LISP list and releases it; nil when the chain is null.
    static int retList(resbuf* list);

private:
    // Applies a reader to the current item; moves on when it takes it, stops for good when not.
    template <class Read>
    bool take(Read read);

    const resbuf* m_pHead = nullptr;
    const resbuf* m_pNext = nullptr;
    int m_nPlace = 1;
    int m_nFailedAt = 0;
    Errors m_errors;
};
