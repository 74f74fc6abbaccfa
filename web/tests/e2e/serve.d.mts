export interface Served {
  url: string;
  close(): void;
}
export function serve(root: string, replaced?: Map<string, Uint8Array | string>): Promise<Served>;
