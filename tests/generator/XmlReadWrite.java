// Runs generated beans over the XML data documents generated beside them, without a database:
// each row of a document goes through fromXml and comes back out of toXml. The bean must name
// the elements as the document does and keep every value its member types can hold.
// Arguments: pairs of bean class name and document file. Prints each difference; exit status 1
// when there was one.
import java.io.File;
import java.io.StringReader;
import java.io.StringWriter;
import java.util.ArrayList;
import java.util.List;
import javax.xml.parsers.DocumentBuilder;
import javax.xml.parsers.DocumentBuilderFactory;
import javax.xml.transform.TransformerFactory;
import javax.xml.transform.dom.DOMSource;
import javax.xml.transform.stream.StreamResult;
import org.w3c.dom.Document;
import org.w3c.dom.Element;
import org.w3c.dom.Node;
import org.xml.sax.InputSource;

public class XmlReadWrite {
  public static void main(String[] args) throws Exception {
    int differences = 0;
    for (int i = 0; i + 1 < args.length; i += 2) {
      differences += check(args[i], new File(args[i + 1]));
    }
    System.exit(differences == 0 ? 0 : 1);
  }

  static int check(String beanClass, File file) throws Exception {
    DocumentBuilder builder = DocumentBuilderFactory.newInstance().newDocumentBuilder();
    Element root = builder.parse(file).getDocumentElement();
    Class<?> type = Class.forName(beanClass);
    int differences = 0;
    int number = 0;
    for (Element row : children(root)) {
      ++number;
      Document single = builder.newDocument();
      single.appendChild(single.createElement(root.getTagName()))
          .appendChild(single.importNode(row, true));
      Object bean = type.getDeclaredConstructor().newInstance();
      type.getMethod("fromXml", String.class).invoke(bean, text(single));
      String written = (String) type.getMethod("toXml").invoke(bean);
      Element back = builder.parse(new InputSource(new StringReader(written))).getDocumentElement();
      String where = file.getName() + " row " + number + ": ";
      if (!back.getTagName().equals(root.getTagName()) || children(back).size() != 1
          || !children(back).get(0).getTagName().equals(row.getTagName())) {
        System.out.println(where + "written as " + written);
        ++differences;
        continue;
      }
      List<Element> in = children(row);
      List<Element> out = children(children(back).get(0));
      for (int k = 0; k < Math.max(in.size(), out.size()); ++k) {
        String name = k < in.size() ? in.get(k).getTagName() : "(none)";
        String outName = k < out.size() ? out.get(k).getTagName() : "(none)";
        String value = k < in.size() ? in.get(k).getTextContent() : "";
        String outValue = k < out.size() ? out.get(k).getTextContent() : "";
        if (!name.equals(outName) || !same(value, outValue)) {
          System.out.println(where + name + " '" + value + "' came back as " + outName + " '"
              + outValue + "'");
          ++differences;
        }
      }
    }
    return differences;
  }

  // Numbers come back as the same double, dates as the day (a Date holds no time, era or
  // infinity), everything else as the same text.
  static boolean same(String value, String back) {
    if (value.equals(back)) {
      return true;
    }
    Double number = number(value);
    if (number != null) {
      return number.equals(number(back));
    }
    if (value.matches("\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}")) {
      return back.equals(value.substring(0, 10));
    }
    return back.isEmpty() && value.matches("-?infinity|.* BC");
  }

  static Double number(String text) {
    switch (text) {
      case "INF":
        return Double.POSITIVE_INFINITY;
      case "-INF":
        return Double.NEGATIVE_INFINITY;
      default:
        try {
          return text.matches("[-+0-9.eE]+|NaN") ? Double.valueOf(text) : null;
        } catch (NumberFormatException e) {
          return null;
        }
    }
  }

  static List<Element> children(Element parent) {
    List<Element> elements = new ArrayList<>();
    for (Node node = parent.getFirstChild(); node != null; node = node.getNextSibling()) {
      if (node instanceof Element) {
        elements.add((Element) node);
      }
    }
    return elements;
  }

  static String text(Document document) throws Exception {
    StringWriter out = new StringWriter();
    TransformerFactory.newInstance().newTransformer().transform(
        new DOMSource(document), new StreamResult(out));
    return out.toString();
  }
}
