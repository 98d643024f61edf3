// $COPIRIGHT$
// $CLASS_NAME$: a bean over the table $TABLE_NAME$ (alias $ALIAS_NAME$). It reads a row by its
// key, inserts and updates rows through JDBC, and reads and writes itself as XML in the layout
// of the XML data document: the root element $XML_ROOT$ holding one $XML_ALIAS_NAME$ element with one
// child element per column.
import java.sql.*;

class $CLASS_NAME$ implements java.io.Serializable {
  private static final long serialVersionUID = 1L;
  // The connection's URL, user and password, as the connection dialog wrote them.
  private static final String[] CONNECT_ARGUMENTS = {$CONNECT_STRING$};
$PROPERTIES$

  // Reads the row with the given key into the bean; false when there is none.
  public boolean load($PK_PARAMETERS$) throws SQLException {
    String sql = "select * from $TABLE_NAME$ where $PK_CONDITION$
    try (Connection conn = connect();
        Statement stmt = conn.createStatement();
        ResultSet rs = stmt.executeQuery(sql)) {
      if (!rs.next()) {
        return false;
      }
$LOAD_FIELD_ASSIGN$
      return true;
    }
  }

  // Inserts the bean as a new row.
  public int insert() throws SQLException {
    String sql = "insert into $TABLE_NAME$ ($INSERT_FIELD_NAMES$) values ($INSERT_FIELD_VALUES$		")";
    return execute(sql);
  }

  // Writes the bean over the row with the given key.
  public int update($PK_PARAMETERS$) throws SQLException {
    String sql = "update $TABLE_NAME$ set " + $UPDATE_FIELD_ASSIGN$		" where $PK_CONDITION$
    return execute(sql);
  }

  private static int execute(String sql) throws SQLException {
    try (Connection conn = connect();
        Statement stmt = conn.createStatement()) {
      return stmt.executeUpdate(sql);
    }
  }

  private static Connection connect() throws SQLException {
    if (CONNECT_ARGUMENTS.length >= 3) {
      return DriverManager.getConnection(
          CONNECT_ARGUMENTS[0], CONNECT_ARGUMENTS[1], CONNECT_ARGUMENTS[2]);
    }
    if (CONNECT_ARGUMENTS.length == 1) {
      return DriverManager.getConnection(CONNECT_ARGUMENTS[0]);
    }
    throw new SQLException("No connection was chosen when $CLASS_NAME$ was generated");
  }

  // The bean as an XML document.
  public String toXml() throws Exception {
    org.w3c.dom.Document doc = javax.xml.parsers.DocumentBuilderFactory.newInstance()
        .newDocumentBuilder().newDocument();
    org.w3c.dom.Element root = doc.createElement("$XML_ROOT$");
    doc.appendChild(root);
    org.w3c.dom.Element first = doc.createElement("$XML_ALIAS_NAME$");
    root.appendChild(first);
$GET_XML$
    javax.xml.transform.Transformer transformer =
        javax.xml.transform.TransformerFactory.newInstance().newTransformer();
    transformer.setOutputProperty(javax.xml.transform.OutputKeys.INDENT, "yes");
    java.io.StringWriter out = new java.io.StringWriter();
    transformer.transform(new javax.xml.transform.dom.DOMSource(doc),
        new javax.xml.transform.stream.StreamResult(out));
    return out.toString();
  }

  // Sets the bean from the first $XML_ALIAS_NAME$ element of such a document.
  public void fromXml(String xml) throws Exception {
    org.w3c.dom.Document doc = javax.xml.parsers.DocumentBuilderFactory.newInstance()
        .newDocumentBuilder()
        .parse(new org.xml.sax.InputSource(new java.io.StringReader(xml)));
    org.w3c.dom.NodeList rows = doc.getDocumentElement().getElementsByTagName("$XML_ALIAS_NAME$");
    if (rows.getLength() == 0) {
      throw new IllegalArgumentException("No $XML_ALIAS_NAME$ element in the document");
    }
    org.w3c.dom.Element firstElement = (org.w3c.dom.Element) rows.item(0);
$SET_XML$
  }

  // A value as an SQL literal for a column of the given java.sql.Types type.
  static String SqlString(Object value, int sqlType) {
    if (value == null) {
      return "NULL";
    }
    switch (sqlType) {
      case Types.INTEGER:
      case Types.BIGINT:
      case Types.DOUBLE:
      case Types.DECIMAL:
      case Types.NUMERIC:
        return new java.math.BigDecimal(value.toString()).toPlainString();
      default:
        return "'" + value.toString().replace("'", "''") + "'";
    }
  }

  private static void addNode(org.w3c.dom.Document doc, org.w3c.dom.Element parent, String name,
      Object value) {
    org.w3c.dom.Element node = doc.createElement(name);
    if (value != null) {
      node.appendChild(doc.createTextNode(xmlText(value)));
    }
    parent.appendChild(node);
  }

  // A value as the XML data document writes it: whole numbers without a fraction or exponent,
  // the special values as XML Schema spells them.
  private static String xmlText(Object value) {
    if (!(value instanceof Double)) {
      return value.toString();
    }
    double number = (Double) value;
    if (Double.isNaN(number)) {
      return "NaN";
    }
    if (Double.isInfinite(number)) {
      return number > 0 ? "INF" : "-INF";
    }
    if (number == Math.rint(number)) {
      return new java.math.BigDecimal(number).toPlainString();
    }
    return value.toString();
  }

  // The value of the named child element as the type of the column, or null.
  private static Object getFirstNodeValue(org.w3c.dom.Element parent, String name, int sqlType) {
    org.w3c.dom.NodeList nodes = parent.getElementsByTagName(name);
    if (nodes.getLength() == 0) {
      return null;
    }
    // Text keeps its blanks; numbers and dates may stand between blanks.
    String text = nodes.item(0).getTextContent();
    String trimmed = text.trim();
    if (text.isEmpty()) {
      return null;
    }
    try {
      switch (sqlType) {
        case Types.INTEGER:
        case Types.BIGINT:
        case Types.DOUBLE:
        case Types.DECIMAL:
        case Types.NUMERIC:
          return parseNumber(trimmed);
        case Types.DATE:
        case Types.TIMESTAMP:
          // A Date holds no era and no infinity: such a value reads as none, not as another day.
          if (trimmed.endsWith(" BC")) {
            return null;
          }
          return Date.valueOf(trimmed.length() > 10 ? trimmed.substring(0, 10) : trimmed);
        default:
          return text;
      }
    } catch (IllegalArgumentException e) {
      return null;
    }
  }

  // A number as the XML data document writes it, the special values included.
  private static Double parseNumber(String text) {
    switch (text) {
      case "INF":
        return Double.POSITIVE_INFINITY;
      case "-INF":
        return Double.NEGATIVE_INFINITY;
      default:
        return Double.valueOf(text);
    }
  }
}
