#include "core/net/PostForm.h"

#include "core/platform/Errors.h"

namespace vitrex::net {

namespace {

// What a server says of a body larger than it takes.
constexpr std::uint32_t kPayloadTooLarge = 413;

}  // namespace

std::optional<std::string> PostForm(Client* client, const std::string& url,
                                    const std::vector<FormField>& fields, Files& files, Dialogs& dialogs,
                                    const i18n::Catalogue& texts) {
    if (client == nullptr) return std::string();
    const std::string body = EncodeForm(fields, files);
    if (body.size() > kLargestFormBody)
        throw HttpError("The form for " + url + " takes " + std::to_string(body.size()) +
                            " bytes, more than the " + std::to_string(kLargestFormBody) +
                            " the server accepts",
                        {}, kPayloadTooLarge);
    try {
        return client->Post(url, body, kFormContentType);
    } catch (const HttpError& failure) {
        if (failure.IsRefusal()) throw;
        dialogs.ShowMessage(texts.Text("TabReportBug", "ConnectionFailure"));
        return std::nullopt;
    }
}

}  // namespace vitrex::net
