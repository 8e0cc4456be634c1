#include "zephro/platform/gtk/scheme_response.h"

#include <libsoup/soup.h>

#include "zephro/platform/gtk/gobject_ref.h"

namespace zephro::platform::gtk {

void finishWithBody(WebKitURISchemeRequest* request, const std::string& mimeType, std::string_view body) {
  const GOwned<GBytes> bytes(g_bytes_new(body.data(), body.size()));
  auto stream = GObjectRef<GInputStream>::adopt(g_memory_input_stream_new_from_bytes(bytes.get()));

  auto response = GObjectRef<WebKitURISchemeResponse>::adopt(
      webkit_uri_scheme_response_new(stream.get(), static_cast<gint64>(body.size())));
  webkit_uri_scheme_response_set_status(response.get(), 200, nullptr);
  if (!mimeType.empty()) webkit_uri_scheme_response_set_content_type(response.get(), mimeType.c_str());
  SoupMessageHeaders* headers = soup_message_headers_new(SOUP_MESSAGE_HEADERS_RESPONSE);
  soup_message_headers_append(headers, "Access-Control-Allow-Origin", "*");
  // The headers given replace those WebKit derives, the type included: pages
  // read it (fetch, blob().type) only from here.
  if (!mimeType.empty()) soup_message_headers_append(headers, "Content-Type", mimeType.c_str());
  webkit_uri_scheme_response_set_http_headers(response.get(), headers);  // takes the headers
  webkit_uri_scheme_request_finish_with_response(request, response.get());
}

}  // namespace zephro::platform::gtk
