// $COPIRIGHT$
// $CLASS_NAME$: reads a row of the table $TABLE_NAME$ (alias $ALIAS_NAME$) by its key, inserts
// and updates rows through an ODBC data adapter on the data source $DSN_NAME$, and reads and
// writes itself as XML in the layout of the XML data document: the root element $XML_ROOT$ holding one
// $XML_ALIAS_NAME$ element with one child element per column.
using System;
using System.Data;
using System.Data.Odbc;

public class $CLASS_NAME$
{
	// The connection text as the connection dialog wrote it (a quoted literal, or nothing).
	private static readonly string ConnectString = string.Join("", new string[] { $CONNECT_STRING$ });
	private const string SelectByKey = "select * from $TABLE_NAME$ where $PK_CONDITION$";
	private OdbcConnection connection;
	private OdbcDataAdapter da;
	private DataSet ds;
	// Each column's name in the data source, then its element name in the XML data document.
	private static readonly string[] XmlNames = new string[] { $XML_NAMES$ };
$PROPERTIES$$PROPERTY$
	public $CLASS_NAME$()
	{
		connection = new OdbcConnection(ConnectString);
		da = new OdbcDataAdapter(SelectByKey, connection);
		// The select's parameters, in the order of its condition: $INIT_SET_PARAMETERS$
$INIT_ADD_PARAMETERS$
	}

	// Reads the row with the given key; false when there is none.
	public bool Load($PK_PARAMETERS$)
	{
$LOAD_SET_PARAMETERS$
		ds = new DataSet("$XML_ROOT$");
		da.Fill(ds, "$ALIAS_NAME$");
		DataTable table = ds.Tables["$ALIAS_NAME$"];
		if (table.Rows.Count == 0)
			return false;
		DataRow row = table.Rows[0];
$DS2OBJECT$
		return true;
	}

#if JAVA_LOAD_REFERENCE
	// The same columns read from a JDBC result set, as the Java bean of the table does:
$LOAD_FIELD_ASSIGN$
#endif

	// Inserts the object as a new row.
	public void Insert()
	{
		DataTable table = Schema();
		DataRow row = table.NewRow();
$OBJECT2DS$
		table.Rows.Add(row);
		Save();
	}

	// Writes the object over the row that Load read.
	public void Update()
	{
		if (ds == null || ds.Tables["$ALIAS_NAME$"].Rows.Count == 0)
			throw new InvalidOperationException("Load a row before updating it.");
		DataRow row = ds.Tables["$ALIAS_NAME$"].Rows[0];
$OBJECT2DS$
		Save();
	}

	// The object as an XML document.
	public string GetXml()
	{
		DataSet xml = new DataSet(System.Xml.XmlConvert.DecodeName("$XML_ROOT$"));
		DataTable table = XmlTable();
		xml.Tables.Add(table);
		DataRow row = table.NewRow();
$OBJECT2DS$
		table.Rows.Add(row);
		RenameXmlColumns(table, 0, 1);
		System.IO.StringWriter writer = new System.IO.StringWriter();
		xml.WriteXml(writer);
		return writer.ToString();
	}

	// Sets the object from the first $XML_ALIAS_NAME$ element of such a document.
	public void SetXml(string text)
	{
		DataSet xml = new DataSet(System.Xml.XmlConvert.DecodeName("$XML_ROOT$"));
		DataTable table = XmlTable();
		RenameXmlColumns(table, 0, 1);
		xml.Tables.Add(table);
		xml.ReadXml(new System.IO.StringReader(text), XmlReadMode.IgnoreSchema);
		if (table.Rows.Count == 0)
			throw new ArgumentException("No $XML_ALIAS_NAME$ element in the document.");
		RenameXmlColumns(table, 1, 0);
		DataRow row = table.Rows[0];
$DS2OBJECT$
	}

	// The document's row element as a table: one text column per column, named as the data
	// source names it.
	private static DataTable XmlTable()
	{
		DataTable table = new DataTable(System.Xml.XmlConvert.DecodeName("$XML_ALIAS_NAME$"));
		for (int i = 0; i < XmlNames.Length; i += 2)
			table.Columns.Add(XmlNames[i]);
		return table;
	}

	// Renames every column from one name of its pair to the other, through names no column
	// holds, since one column's name in the data source may be another's element name.
	private static void RenameXmlColumns(DataTable table, int from, int to)
	{
		for (int i = 0; i < XmlNames.Length; i += 2)
			table.Columns[XmlColumnName(i + from)].ColumnName = "\u0001" + i;
		for (int i = 0; i < XmlNames.Length; i += 2)
			table.Columns["\u0001" + i].ColumnName = XmlColumnName(i + to);
	}

	// A column's name in the data source (even index) or its element name as the data set
	// spells it before encoding it again (odd index).
	private static string XmlColumnName(int index)
	{
		return index % 2 == 0 ? XmlNames[index] : System.Xml.XmlConvert.DecodeName(XmlNames[index]);
	}

	// The table's columns as the data source describes them.
	private DataTable Schema()
	{
		if (ds == null)
		{
			ds = new DataSet("$XML_ROOT$");
			foreach (IDataParameter parameter in da.SelectCommand.Parameters)
				parameter.Value = DBNull.Value;
			da.FillSchema(ds, SchemaType.Source, "$ALIAS_NAME$");
		}
		return ds.Tables["$ALIAS_NAME$"];
	}

	private void Save()
	{
		using (OdbcCommandBuilder builder = new OdbcCommandBuilder(da))
		{
			da.Update(ds, "$ALIAS_NAME$");
		}
	}

	private static void addParameter(IDbCommand command, string name, DbType dbType, string sourceColumn)
	{
		IDbDataParameter parameter = command.CreateParameter();
		parameter.ParameterName = name;
		parameter.DbType = dbType;
		parameter.SourceColumn = sourceColumn;
		command.Parameters.Add(parameter);
	}
}
