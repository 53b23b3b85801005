#include "core/platform/Http.h"

#include "core/platform/Errors.h"

namespace vitrex {

void AppendWithinLimit(std::string& body, std::string_view piece, std::size_t limit, std::string_view method,
                       const std::string& url) {
    if (piece.size() > limit - body.size())
        throw HttpError(std::string(method) + " " + url + ": the reply is larger than " +
                        std::to_string(limit) + " bytes");
    body.append(piece);
}

}  // namespace vitrex
