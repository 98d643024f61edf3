// Loads a generated bean (its static initialisers run) and prints its connection arguments,
// each as the hex digits of its UTF-8 bytes on a line of its own.
public class Loader {
  public static void main(String[] args) throws Exception {
    java.lang.reflect.Field field = Class.forName(args[0]).getDeclaredField("CONNECT_ARGUMENTS");
    field.setAccessible(true);
    for (String text : (String[]) field.get(null)) {
      for (byte b : text.getBytes("UTF-8")) System.out.printf("%02x", b);
      System.out.println();
    }
  }
}
