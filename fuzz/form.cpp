// A bug report's form, from the program's encoding to the server's decoding: whatever the server
// receives, it decodes without fault, and a form the program sent arrives field for field.
#include <algorithm>
#include <string>
#include <vector>

#include "Contract.h"
#include "Cp1252.h"
#include "FormDecoding.h"
#include "FuzzCheck.h"
#include "core/net/FormEncoding.h"
#include "testing/FakeFiles.h"

using namespace vitrex;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view body = fuzz::Text(data, size);

    // Any body, as a client may post it.
    const server::Form form = server::Form::Decode(body, server::kLargestFieldCount);
    std::size_t decoded = 0;
    for (const auto& [name, value] : form.Fields())
        decoded += name.size() + value.size();
    Require(decoded <= body.size(), "decoding never makes a form longer");
    Require(form.Fields().size() <= static_cast<std::size_t>(std::count(body.begin(), body.end(), '&')) + 1,
            "no more fields than pairs");
    Require(form.Fields().size() <= server::kLargestFieldCount, "never more fields than the bound");
    if (!form.Fields().empty())
        Require(form.Field(form.Fields().front().first) == form.Fields().front().second,
                "the first field counts");
    // The server keeps reports in UTF-8 and can always give back the bytes that were sent.
    for (const auto& field : form.Fields()) {
        const std::string text = server::Cp1252ToUtf8(field.second);
        Require(fuzz::IsUtf8(text), "a stored field is well-formed UTF-8");
        Require(server::Utf8ToCp1252(text) == field.second, "a stored field turns back into its bytes");
    }

    // The input as the fields of a form the program posts ("\x01" parts fields, "\x02" name from
    // value), typed in UTF-8 or not.
    std::vector<net::FormField> fields;
    for (std::size_t start = 0; start <= body.size() && fields.size() < 16;) {
        std::size_t end = body.find('\x01', start);
        if (end == std::string_view::npos) end = body.size();
        const std::string_view part = body.substr(start, end - start);
        const std::size_t split = part.find('\x02');
        fields.push_back({std::string(part.substr(0, split)), split == std::string_view::npos
                                                                  ? std::string()
                                                                  : std::string(part.substr(split + 1))});
        start = end + 1;
    }
    fakes::FakeFiles files;
    const std::string posted = net::EncodeForm(fields, files);
    Require(posted.find_first_not_of(
                "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789*-._%=&") == std::string::npos,
            "an encoded form is plain ASCII that no decoder reads differently");
    const server::Form received = server::Form::Decode(posted, server::kLargestFieldCount);
    Require(received.Fields().size() == fields.size(), "every field arrives, none is added");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        Require(received.Fields()[i].first == fields[i].name, "names arrive as sent");
        Require(received.Fields()[i].second == net::AnsiWithReferences(fields[i].value, files),
                "values arrive in the code page, with references for what it lacks");
        Require(server::DecodeFormComponent(net::PercentEncode(fields[i].name)) == fields[i].name,
                "decoding undoes the encoding");
    }
    return 0;
}
