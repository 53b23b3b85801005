#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/i18n/Catalogue.h"
#include "core/net/Client.h"
#include "core/net/FormEncoding.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Files.h"

namespace vitrex::net {

inline constexpr const char* kFormContentType = "application/x-www-form-urlencoded";

// Posts the fields as an encoded form and returns the whole reply body. A transfer that failed on
// the way (no connection, a time-out) says so in a message box with the language's
// "ConnectionFailure" text and gives nothing. The server's refusal (an error status) passes
// through as HttpError (IsRefusal), for the caller to say the server did not take the form; so
// does a form larger than kLargestFormBody, which is never sent. Without a client nothing is sent
// and the reply is empty. A quit during the post passes through as SilentAbort, without a message.
std::optional<std::string> PostForm(Client* client, const std::string& url,
                                    const std::vector<FormField>& fields, Files& files, Dialogs& dialogs,
                                    const i18n::Catalogue& texts);

}  // namespace vitrex::net
