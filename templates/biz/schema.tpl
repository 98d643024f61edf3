<?xml version="1.0" encoding="UTF-8"?>
$COMMENTS$<!-- Table: $TABLE_NAME$ -->
<Schema name="$XML_ROOT$" xmlns="urn:schemas-microsoft-com:xml-data" xmlns:dt="urn:schemas-microsoft-com:datatypes">
	<ElementType name="$XML_ROOT$" content="eltOnly" model="closed" order="seq">
		<element type="$ALIAS_NAME$" minOccurs="0" maxOccurs="*"/>
	</ElementType>
	<ElementType name="$ALIAS_NAME$" content="eltOnly" model="closed" order="seq">
$ELEMENTS$	</ElementType>
$ELEMENT_TYPES$</Schema>
