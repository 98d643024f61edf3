		<element type="$FIELD_NAME$" minOccurs="$MIN_OCCURS$" maxOccurs="$MAX_OCCURS$"/>
