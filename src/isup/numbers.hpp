// ISUP number parameters (Q.763 layout: odd/even and nature of address in octet 1,
// numbering plan and the other indicators in octet 2, address signals from octet 3 on)
// and the Connection request. Each decoder takes the parameter contents as hex digits,
// without code and length octets, and appends its lines to the report.
#pragma once

#include <string_view>

#include "report/context.hpp"

namespace tarn::isup {

// Mandatory variable parameters: a title line and a length line of their own.
void subcl_04(Context& ctx, const Element& e);  // Called party number
void subcl_05(Context& ctx, const Element& e);  // Subsequent number

// Optional parameters: header by TypeMess.
void subcl_0A(Context& ctx, const Element& e);  // Calling party number
void subcl_0B(Context& ctx, const Element& e);  // Redirecting number
void subcl_0C(Context& ctx, const Element& e);  // Redirection number
void subcl_0D(Context& ctx, const Element& e);  // Connection request
void subcl_28(Context& ctx, const Element& e);  // Original called number

}  // namespace tarn::isup
