#include "zephro/bridge/h5_content_web_view.h"

#include "zephro/bridge/debug_line.h"

namespace zephro {

H5ContentWebView::~H5ContentWebView() { writeDebugLine("H5ContentWebView successfully dealloc"); }

std::string H5ContentWebView::className() const { return "H5ContentWebView"; }

}  // namespace zephro
