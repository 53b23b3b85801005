#include "core/net/PostForm.h"

#include "core/platform/Errors.h"

namespace vitrex::net {

std::string PostForm(Client* client, const std::string& url, const std::vector<FormField>& fields,
                     Files& files, Dialogs& dialogs, const i18n::Catalogue& texts) {
    if (client == nullptr) return {};
    try {
        return client->Post(url, EncodeForm(fields, files), kFormContentType);
    } catch (const HttpError&) {
        dialogs.ShowMessage(texts.Text("TabReportBug", "ConnectionFailure"));
        return {};
    }
}

}  // namespace vitrex::net
