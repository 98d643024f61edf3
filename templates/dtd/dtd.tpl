$COMMENTS$<!-- Table: $TABLE_NAME$ -->
<!-- The root holds the rows. With an empty suffix the root and the row share one name;
     that one element then takes either content, as a name can be declared only once. -->
<!ENTITY % $ALIAS_NAME$.distinct "IGNORE">
<!ENTITY % $XML_ROOT$.distinct "INCLUDE">
<!ENTITY % $ALIAS_NAME$.shared "INCLUDE">
<!ENTITY % $XML_ROOT$.shared "IGNORE">
<![%$XML_ROOT$.distinct;[
<!ELEMENT $XML_ROOT$ ($ALIAS_NAME$*)>
<!ELEMENT $ALIAS_NAME$ ($FIELDS$)>
]]>
<![%$XML_ROOT$.shared;[
<!ELEMENT $ALIAS_NAME$ ($ALIAS_NAME$*|($FIELDS$))>
]]>
$ELEMENTS$