// $COPIRIGHT$
// $CLASS_NAME$: reads a row of the table $TABLE_NAME$ (alias $ALIAS_NAME$) by its key, inserts
// and updates rows through an ODBC data adapter on the data source $DSN_NAME$, and reads and
// writes itself as XML in the layout of the XML data document: the root element $XML_ROOT$ holding one
// $ALIAS_NAME$ element with one child element per column.
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
		DataSet xml = new DataSet("$XML_ROOT$");
		DataTable table = Schema().Clone();
		xml.Tables.Add(table);
		DataRow row = table.NewRow();
$OBJECT2DS$
		table.Rows.Add(row);
		System.IO.StringWriter writer = new System.IO.StringWriter();
		xml.WriteXml(writer);
		return writer.ToString();
	}

	// Sets the object from the first $ALIAS_NAME$ element of such a document.
	public void SetXml(string text)
	{
		DataSet xml = new DataSet("$XML_ROOT$");
		xml.Tables.Add(Schema().Clone());
		xml.ReadXml(new System.IO.StringReader(text), XmlReadMode.IgnoreSchema);
		DataTable table = xml.Tables["$ALIAS_NAME$"];
		if (table.Rows.Count == 0)
			throw new ArgumentException("No $ALIAS_NAME$ element in the document.");
		DataRow row = table.Rows[0];
$DS2OBJECT$
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
