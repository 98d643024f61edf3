#pragma once

#include <string>
#include <string_view>

namespace orvane {

class ODBCField;

// n tab characters (none for n <= 0).
std::string Indent(int n);
// "<!-- " + kind + " " + CreatedByText() + " -->" + CR LF, the text made safe by XmlCommentText.
std::string CommentHeader(const std::string& kind);
// Outside text inside an XML comment: "--" broken up by a blank, a trailing "-" followed by
// one, and characters XML forbids replaced by "?", so no comment can end early or spoil the
// document.
std::string XmlCommentText(const std::string& text);
// "0" for a nullable column, else "1".
std::string MinOccurs(const ODBCField& field);

std::string OpenTag(const std::string& name, int n);
// Followed by CR LF when n >= 0.
std::string CloseTag(const std::string& name, int n);
// The XML declaration line, CR LF, then the text.
std::string AddXmlDeclaration(const std::string& text);

// Element content: "&", "<" and ">" escaped.
std::string EscapeXmlText(const std::string& text);
// The same, appended to out (no temporary per value in row loops).
void AppendEscapedXmlText(std::string& out, std::string_view text);
// An element name as the name rules made it, made a valid XML name: characters that cannot
// stand in a name (or at its start) become _xHHHH_, and so does the "_" of text that reads as
// such an escape; a name that is already valid is unchanged.
std::string XmlName(const std::string& name);

// Facet lines of a column's schema type for the W3C schema, each after `indent` tabs: digits
// for integers, the whitespace rule for dates, lengths for text and binary columns (no
// maximum where the data source knows of none).
std::string XsdRestrictions(const ODBCField& field, int indent = 10);
// Pattern lines of the texts the XML data document writes for the column that its schema type
// does not take (a date's time of day, era and infinities; the empty element of a NULL where
// the type rejects it). Empty when the type takes all of them.
std::string XsdOtherTexts(const ODBCField& field, int indent);
// The length attributes of a text or binary column for the XDR schema.
std::string BizRestrictions(const ODBCField& field);

}  // namespace orvane
