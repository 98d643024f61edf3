<?xml version="1.0" encoding="UTF-8"?>
$COMMENTS$<!-- Table: $TABLE_NAME$ -->
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
	<xs:element name="$XML_ROOT$">
		<xs:complexType>
			<xs:sequence>
				<xs:element name="$ALIAS_NAME$" minOccurs="0" maxOccurs="unbounded">
					<xs:complexType>
						<xs:sequence>
$ELEMENTS$						</xs:sequence>
					</xs:complexType>
				</xs:element>
			</xs:sequence>
		</xs:complexType>
	</xs:element>
</xs:schema>
