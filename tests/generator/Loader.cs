// Loads a generated class from its assembly (its static initialisers run) and prints its
// connection string as the hex digits of its UTF-8 bytes.
using System;
using System.Reflection;
using System.Text;

public static class Loader
{
	public static void Main(string[] args)
	{
		FieldInfo field = Assembly.LoadFrom(args[0]).GetType(args[1]).GetField("ConnectString",
			BindingFlags.NonPublic | BindingFlags.Static);
		foreach (byte b in Encoding.UTF8.GetBytes((string) field.GetValue(null)))
			Console.Write(b.ToString("x2"));
	}
}
