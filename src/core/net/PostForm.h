#pragma once

#include <string>
#include <vector>

#include "core/i18n/Catalogue.h"
#include "core/net/Client.h"
#include "core/net/FormEncoding.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Files.h"

namespace vitrex::net {

inline constexpr const char* kFormContentType = "application/x-www-form-urlencoded";

// Posts the fields as an encoded form and returns the whole reply body. A failed post (no
// connection, an error status, another request running) says so in a message box with the
// language's "ConnectionFailure" text and returns an empty reply; without a client nothing is
// sent. A quit during the post passes through as SilentAbort, without a message.
std::string PostForm(Client* client, const std::string& url, const std::vector<FormField>& fields,
                     Files& files, Dialogs& dialogs, const i18n::Catalogue& texts);

}  // namespace vitrex::net
