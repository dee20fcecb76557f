// zcedCommand and friends: host commands run synchronously with given answers.
#include <cstdarg>

#include "app/app.h"
#include "editor/editor.h"
#include "editor/selection_sets.h"
#include "zrx/ed_commands.h"
#include "zrxhost/contract.h"

namespace {

// The answer a result buffer stands for on the command line.
bool answerFor(const resbuf* rb, std::vector<std::string>& answers)
{
    using namespace zrxhost::ed;
    switch (rb->restype) {
    case RTSTR: answers.emplace_back(rb->resval.rstring != nullptr ? rb->resval.rstring : ""); return true;
    case RTREAL:
    case RTANG:
    case RTORINT: answers.push_back(formatReal(rb->resval.rreal)); return true;
    case RTSHORT: answers.push_back(std::to_string(rb->resval.rint)); return true;
    case RTLONG: answers.push_back(std::to_string(rb->resval.rlong)); return true;
    case RTPOINT:
        answers.push_back(formatReal(rb->resval.rpoint[0]) + "," + formatReal(rb->resval.rpoint[1]));
        return true;
    case RT3DPOINT:
        answers.push_back(formatPoint(ZcGePoint3d(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2])));
        return true;
    case RTENAME: {
        ZcDbObjectId id = idOf(rb->resval.rlname);
        if (id.isNull()) return false;
        char hex[17];
        id.handle().getIntoAsciiBuffer(hex, sizeof hex);
        answers.push_back(std::string("#") + hex);
        return true;
    }
    case RTPICKS: {
        const SelectionSet* s = findSet(rb->resval.rlname);
        if (s == nullptr) return false;
        std::string line;
        for (ZcDbObjectId id : s->ids) {
            char hex[17];
            id.handle().getIntoAsciiBuffer(hex, sizeof hex);
            line += (line.empty() ? "#" : " #") + std::string(hex);
        }
        answers.push_back(line);
        return true;
    }
    default: return false;
    }
}

int run(const resbuf* rbp)
{
    if (rbp == nullptr || rbp->restype == RTNONE) return RTNORM;
    if (rbp->restype != RTSTR || rbp->resval.rstring == nullptr) return RTERROR;
    std::string name = rbp->resval.rstring;
    std::vector<std::string> answers;
    for (const resbuf* rb = rbp->rbnext; rb != nullptr && rb->restype != RTNONE; rb = rb->rbnext) {
        if (!answerFor(rb, answers)) return RTERROR;
    }
    return zrxhost::app::runCommandWith(name, std::move(answers));
}

int runList(int rtype, va_list args)
{
    // Builds the chain by hand: the answers come as a va_list, which zcutBuildList cannot take.
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    for (int type = rtype; type != RTNONE && type != 0; type = va_arg(args, int)) {
        resbuf* rb = zcutNewRb(type);
        switch (type) {
        case RTSTR: zcutNewString(va_arg(args, const char*), rb->resval.rstring); break;
        case RTREAL:
        case RTANG:
        case RTORINT: rb->resval.rreal = va_arg(args, double); break;
        case RTSHORT: rb->resval.rint = static_cast<short>(va_arg(args, int)); break;
        case RTLONG: rb->resval.rlong = va_arg(args, int32_t); break;
        case RTPOINT:
        case RT3DPOINT: {
            const double* p = va_arg(args, const double*);
            rb->resval.rpoint[0] = p[0];
            rb->resval.rpoint[1] = p[1];
            rb->resval.rpoint[2] = type == RT3DPOINT ? p[2] : 0.0;
            break;
        }
        case RTENAME:
        case RTPICKS: {
            const int64_t* n = va_arg(args, const int64_t*);
            rb->resval.rlname[0] = n[0];
            rb->resval.rlname[1] = n[1];
            break;
        }
        default:
            zcutRelRb(rb);
            zcutRelRb(head);
            return RTERROR;
        }
        if (head == nullptr) head = rb;
        else tail->rbnext = rb;
        tail = rb;
    }
    int rc = run(head);
    zcutRelRb(head);
    return rc;
}

}  // namespace

int zcedCmd(const resbuf* rbp) { return run(rbp); }

int zcedCommand(int rtype, ...)
{
    va_list args;
    va_start(args, rtype);
    int rc = runList(rtype, args);
    va_end(args);
    return rc;
}

int zcedCommandS(int rtype, ...)
{
    va_list args;
    va_start(args, rtype);
    int rc = runList(rtype, args);
    va_end(args);
    return rc;
}
